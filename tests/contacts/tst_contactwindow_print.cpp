#include "ContactWindowFixture.h"

#include <QLocale>

using namespace testsupport;
using printing::PlacedText;
using printing::PrintedPage;
using R = contacts::ContactRecord;

namespace {

// The non-blank texts of a row in column order, "column:text", with "@size" unless 12 points.
QString row(const PrintedPage& page, int rowNumber)
{
    QStringList out;
    for (const PlacedText& item : page.items) {
        if (item.row == rowNumber && !item.text.trimmed().isEmpty())
            out << QStringLiteral("%1:%2").arg(item.column).arg(item.text)
                       + (item.font.size == 12 ? QString() : QStringLiteral("@%1").arg(item.font.size));
    }
    return out.join(QStringLiteral(" | "));
}

const PrintedPage& onlyPage(ContactWindowFixture& f)
{
    return f.app.device.documents().at(0).pages.at(0);
}

void openOnAnn(ContactWindowFixture& f, bool pick = true)
{
    f.openWith({person("Ann", "Lee", {{&R::FStreet, "12 Oak St"}, {&R::SStreet, "Apt 4"}, {&R::City, "Boston"},
                                      {&R::State, "MA"}, {&R::Zip, "02134"}, {&R::Country, "USA"},
                                      {&R::HPhone, "617-555-0100"}, {&R::CPhone, "617-555-0101"},
                                      {&R::WPhone, "617-555-0102"}, {&R::Email, "ann@example.com"},
                                      {&R::Birthdate, "19800410"}, {&R::Company, "Acme Co"}})});
    if (pick)
        f.pickRecord(1);
}

}  // namespace

class TestContactWindowPrint : public QObject {
    Q_OBJECT

private slots:
    void detailsPage()
    {
        ContactWindowFixture f;
        openOnAnn(f, false);
        f.app.printScript.print(1);  // before any contact is shown: empty values
        f.click("mnuEDVPrint");
        QCOMPARE(row(onlyPage(f), 19), QStringLiteral("8:,   "));
        QCOMPARE(row(onlyPage(f), 22), QStringLiteral("8:Company Name:"));
        f.app.device.clear();

        f.pickRecord(1);
        f.app.printer.setFontItalic(true);  // left by an earlier job
        f.c("txtACNotes")->setText(QStringLiteral("  typed, not saved  "));
        const QByteArray before = f.fileBytes();
        f.app.printScript.print(3);
        f.click("mnuEDVPrint");
        QCOMPARE(f.app.device.documents().size(), std::size_t(1));
        const printing::PrintedDocument& doc = f.app.device.documents().front();
        QCOMPARE(doc.orientation, 1);
        QCOMPARE(doc.pages.size(), std::size_t(3));  // one per copy, no blank page after
        for (const PlacedText& item : doc.pages[0].items)
            QVERIFY(item.font.name == QStringLiteral("Courier New") && !item.font.italic);
        const QString rule = QStringLiteral("8:") + QString(70, u'_');
        const QString today = QLocale().toString(QDate(2026, 12, 6), QLocale::ShortFormat);
        const std::pair<int, QString> rows[] = {
            {4, "22:Quorvel@16"}, {6, "27:Contact Details@14"}, {10, "35:Date of report:@10 | 51:" + today + "@10"},
            {12, rule}, {15, "8:Ann  Lee"}, {17, "8:12 Oak St  Apt 4"}, {19, "8:Boston, MA  02134"},
            {22, "8:Company Name: | 24:Acme Co"}, {25, "8:Country: | 18:USA | 40:Birthdate: | 52:04/10/1980"},
            {28, "8:Home Phone: | 21:617-555-0100 | 37:Cell: | 44:617-555-0101 | 60:Work: | 67:617-555-0102"},
            {31, "8:Email Address: | 24:ann@example.com"}, {34, "8:Category:"}, {38, "8:Notes: | 16:typed, not saved"},
            {43, rule}};
        for (const PrintedPage& page : doc.pages) {
            const auto* next = std::begin(rows);
            for (int r = 1; r <= 43; ++r)
                QCOMPARE(row(page, r), next != std::end(rows) && next->first == r ? (next++)->second : QString());
            // Rows 1-3 at 12 points, 4-5 at 16, 6-9 at 14, 10 at 10, then 12 points: row 43's top.
            QVERIFY(qAbs(page.items.back().y - (3 * 12 + 2 * 16 + 4 * 14 + 10 + 32 * 12) * 1.13281) < 0.5);
        }
        QCOMPARE(f.fileBytes(), before);
        QVERIFY(f.app.messages.shown().empty());
        // Printing to a file stays available; the page-range flag is left for the next print.
        QCOMPARE(f.app.printScript.flagsAtShow().at(0) & platform::PrintDialog::DisablePrintToFile, 0);
        QCOMPARE(f.app.printScript.flagsAtShow().at(1), int(platform::PrintDialog::PageNums));
        f.app.printScript.print(0);
        f.click("mnuEDVPrint");
        QCOMPARE(f.app.device.documents().size(), std::size_t(1));  // no copies: nothing printed
    }

    void longCategoryAndNotesAreSplitByCount()
    {
        ContactWindowFixture f;
        openOnAnn(f);
        QString notes;
        for (int i = 0; i < 160; ++i)
            notes += QChar(u'a' + i % 26);
        f.c("txtACCategory")->setText(QString(61, u'c') + QStringLiteral("D"));
        f.c("txtACNotes")->setText(notes + QStringLiteral("XYZ"));  // beyond 160: not printed
        f.app.printScript.print(1);
        f.click("mnuEDVPrint");
        QCOMPARE(row(onlyPage(f), 34), "8:Category: | 19:" + QString(61, u'c'));
        QCOMPARE(row(onlyPage(f), 35), QStringLiteral("19:D"));
        QCOMPARE(row(onlyPage(f), 38), "8:Notes: | 16:" + notes.mid(0, 61));
        QCOMPARE(row(onlyPage(f), 39), "15:" + notes.mid(61, 53));
        QCOMPARE(row(onlyPage(f), 40), "15:" + notes.mid(114, 46));
    }

    void noPage_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("cancel") << true;
        QTest::newRow("printer fails") << false;
    }
    void noPage()
    {
        QFETCH(bool, cancel);
        ContactWindowFixture f;
        openOnAnn(f);
        if (cancel) {
            f.app.printScript.cancel();
        } else {
            f.app.printScript.print(2);
            f.app.device.failWith(482);
            f.app.messages.expect(QStringLiteral("Printer error."), QStringLiteral("A printer problem exists.  Check printer."),
                                  platform::Buttons::Ok, platform::Icon::Exclamation);
        }
        f.click("mnuEDVPrint");
        QVERIFY(f.app.messages.allShown());
        QVERIFY(f.app.device.documents().empty() && !f.app.printer.hasOpenDocument());
    }

    void selectionPrintOut()
    {
        ContactWindowFixture f;
        openOnAnn(f);
        QLineEdit* notes = f.c("txtACNotes");
        notes->setText(QStringLiteral("call her back"));
        notes->setFocus();
        notes->setSelection(5, 3);
        PrintDialogAction selection;
        selection.copies = 3;
        selection.flagsOut = platform::PrintDialog::Selection;
        f.app.printScript.push(selection);
        f.click("mnuEDVPrint");
        QCOMPARE(f.app.device.documents().size(), std::size_t(1));
        QCOMPARE(f.app.device.documents()[0].pages.size(), std::size_t(1));  // the copy count is ignored
        QCOMPARE(row(onlyPage(f), 2), QStringLiteral("1:her"));
        QCOMPARE(onlyPage(f).items.size(), std::size_t(1));

        f.c<QWidget>("cmdSave")->setFocus();  // not a text box: nothing printed, no message
        f.app.printScript.push(selection);
        f.click("mnuEDVPrint");
        QCOMPARE(f.app.device.documents().size(), std::size_t(1));
        QVERIFY(!f.app.printer.hasOpenDocument() && f.app.messages.shown().empty());
    }
};

QTEST_MAIN(TestContactWindowPrint)
#include "tst_contactwindow_print.moc"
