#include "transfer/DuplicateIndex.h"

#include "contacts/ContactRecord.h"
#include "runtime/Codepage.h"
#include "runtime/Text.h"

namespace transfer {

namespace {

const QChar Sep(0x1F);

QString asStored(const QString& value)
{
    return rt::trim(rt::narrowToCp1252(value));
}

}  // namespace

DuplicateIndex::DuplicateIndex(const QByteArray& fileBytes, qint64 recordCount)
{
    const qint64 len = contacts::ContactRecord::Length;
    m_names.reserve(recordCount);
    m_namesAndEmail.reserve(recordCount);
    for (qint64 n = 0; n < recordCount; ++n) {
        const auto r = contacts::ContactRecord::fromBytes(QByteArray::fromRawData(fileBytes.constData() + n * len, len));
        const QString names = rt::trim(r.FName) + Sep + rt::trim(r.LName);
        m_names.insert(names);
        m_namesAndEmail.insert(names + Sep + rt::trim(r.Email));
    }
}

bool DuplicateIndex::holds(const ImportValues& v, bool namesOnly) const
{
    if (v.FName.isEmpty() || v.LName.isEmpty() || (!namesOnly && v.Email.isEmpty()))
        return false;
    const QString names = asStored(v.FName) + Sep + asStored(v.LName);
    if (namesOnly)
        return m_names.contains(names);
    return m_namesAndEmail.contains(names + Sep + asStored(v.Email));
}

}  // namespace transfer
