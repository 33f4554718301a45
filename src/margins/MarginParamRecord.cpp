#include "margins/MarginParamRecord.h"

#include "runtime/Codepage.h"
#include "runtime/Text.h"

namespace margins {

namespace {

QByteArray fixed(const QString& text, int width)
{
    QByteArray bytes = rt::toCp1252(text).left(width);
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

}  // namespace

QByteArray MarginParamRecord::toBytes() const
{
    QByteArray out;
    out.reserve(Length);
    out += fixed(ParamName, 8);
    out += fixed(ParamSep1, 1);
    out += fixed(LeftAdj, 3);
    out += fixed(ParamSep2, 1);
    out += fixed(TopAdj, 3);
    out += "\r\n";
    return out;
}

MarginParamRecord MarginParamRecord::fromBytes(const QByteArray& bytes)
{
    QByteArray padded = bytes.left(Length);
    if (padded.size() < Length)
        padded.append(Length - padded.size(), ' ');
    MarginParamRecord r;
    r.ParamName = rt::fromCp1252(padded.mid(0, 8));
    r.ParamSep1 = rt::fromCp1252(padded.mid(8, 1));
    r.LeftAdj = rt::fromCp1252(padded.mid(9, 3));
    r.ParamSep2 = rt::fromCp1252(padded.mid(12, 1));
    r.TopAdj = rt::fromCp1252(padded.mid(13, 3));
    return r;
}

QString MarginParamRecord::key() const
{
    return rt::rtrim(ParamName);
}

}  // namespace margins
