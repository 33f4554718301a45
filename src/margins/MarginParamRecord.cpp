#include "margins/MarginParamRecord.h"

#include "runtime/Codepage.h"
#include "runtime/Text.h"

namespace margins {

QByteArray MarginParamRecord::toBytes() const
{
    const auto fixed = [](const QString& text, int width) { return rt::toCp1252(text).leftJustified(width, ' ', true); };
    return fixed(ParamName, 8) + fixed(ParamSep1, 1) + fixed(LeftAdj, 3) + fixed(ParamSep2, 1) + fixed(TopAdj, 3)
           + "\r\n";
}

MarginParamRecord MarginParamRecord::fromBytes(const QByteArray& bytes)
{
    const QByteArray padded = bytes.leftJustified(Length, ' ', true);
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
