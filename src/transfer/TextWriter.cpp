#include "transfer/TextWriter.h"

#include "transfer/CsvWriter.h"

namespace transfer {

QString TextWriter::header()
{
    return QStringLiteral("First Name|MI|Last Name|Street1|Street2|City|State|Zip|Country|Company|"
                          "Include Company in Address|Home Phone|Cell Phone|Work Phone|Email|"
                          "Birthdate|Category|Notes\r\n");
}

void TextWriter::appendRecord(QString& out, const contacts::ContactRecord& record)
{
    bool first = true;
    for (const QString& value : exportColumns(record)) {
        if (!first)
            out += u'|';
        first = false;
        out += value;
    }
    out += u"\r\n";
}

}  // namespace transfer
