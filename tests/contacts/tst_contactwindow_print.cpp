#include "ContactWindowFixture.h"

#include <QAction>
#include <QLocale>
#include <QTest>

using namespace testsupport;
using platform::Answer;
using platform::Buttons;
using platform::Icon;
using printing::PlacedText;
using printing::PrintedPage;

namespace {

// The non-blank texts of a row, in column order, as "column:text".
QStringList row(const PrintedPage& page, int rowNumber)
{
    QStringList out;
    for (const PlacedText& item : page.items) {
        if (item.row == rowNumber && !item.text.trimmed().isEmpty())
            out << QStringLiteral("%1:%2").arg(item.column).arg(item.text);
    }
    return out;
}

const PlacedText* itemAt(const PrintedPage& page, int rowNumber, int column)
{
    for (const PlacedText& item : page.items) {
        if (item.row == rowNumber && item.column == column)
            return &item;
    }
    return nullptr;
}

}  // namespace

class TestContactWindowPrint : public QObject {
    Q_OBJECT

private:
    void openOnAnn(ContactWindowFixture& f)
    {
        contacts::ContactRecord ann = person("Ann", "", "Lee");
        ann.FStreet = QStringLiteral("12 Oak St");
        ann.SStreet = QStringLiteral("Apt 4");
        ann.City = QStringLiteral("Boston");
        ann.State = QStringLiteral("MA");
        ann.Zip = QStringLiteral("02134");
        ann.Country = QStringLiteral("USA");
        ann.HPhone = QStringLiteral("617-555-0100");
        ann.CPhone = QStringLiteral("617-555-0101");
        ann.WPhone = QStringLiteral("617-555-0102");
        ann.Email = QStringLiteral("ann@example.com");
        ann.Birthdate = QStringLiteral("19800410");
        ann.Company = QStringLiteral("Acme Co");
        ann.IncComp = QStringLiteral("0");
        f.openWith({ann});
        f.pick(0);
    }

private slots:
    void detailsPageLayout();
    void longCategoryAndNotesAreSplitByCount();
    void copiesMakeOneDocument();
    void nothingShownPrintsEmptyValues();
    void cancelPrintsNothing();
    void failingPrinter_data();
    void failingPrinter();
    void selectionPrintOut();
    void selectionWithoutATextBoxPrintsNothing();
};

void TestContactWindowPrint::detailsPageLayout()
{
    ContactWindowFixture f;
    openOnAnn(f);
    f.app.printer.setFontItalic(true);  // left by an earlier job
    f.box("txtACNotes")->setText(QStringLiteral("  typed, not saved  "));
    const QByteArray before = f.fileBytes();

    f.app.printScript.print(1);
    f.click("mnuEDVPrint");
    QCOMPARE(f.app.device.documents().size(), std::size_t(1));
    const printing::PrintedDocument& doc = f.app.device.documents().front();
    QCOMPARE(doc.pages.size(), std::size_t(1));
    QCOMPARE(doc.orientation, 1);
    const PrintedPage& page = doc.pages.front();

    for (const PlacedText& item : page.items) {
        QCOMPARE(item.font.name, QStringLiteral("Courier New"));
        QVERIFY(!item.font.italic);
    }
    QCOMPARE(row(page, 4), QStringList{"22:Quorvel"});
    QCOMPARE(itemAt(page, 4, 22)->font.size, 16.0);
    QCOMPARE(row(page, 6), QStringList{"27:Contact Details"});
    QCOMPARE(itemAt(page, 6, 27)->font.size, 14.0);
    const QString today = QLocale().toString(QDate(2026, 12, 6), QLocale::ShortFormat);
    QCOMPARE(row(page, 10), (QStringList{"35:Date of report:", "51:" + today}));
    QCOMPARE(itemAt(page, 10, 35)->font.size, 10.0);
    QCOMPARE(row(page, 12), QStringList{"8:" + QString(70, u'_')});
    QCOMPARE(itemAt(page, 12, 8)->font.size, 12.0);
    QCOMPARE(row(page, 15), QStringList{"8:Ann  Lee"});
    QCOMPARE(row(page, 17), QStringList{"8:12 Oak St  Apt 4"});
    QCOMPARE(row(page, 19), QStringList{"8:Boston, MA  02134"});
    QCOMPARE(row(page, 22), (QStringList{"8:Company Name:", "24:Acme Co"}));
    QCOMPARE(row(page, 25), (QStringList{"8:Country:", "18:USA", "40:Birthdate:", "52:04/10/1980"}));
    QCOMPARE(row(page, 28), (QStringList{"8:Home Phone:", "21:617-555-0100", "37:Cell:", "44:617-555-0101",
                                         "60:Work:", "67:617-555-0102"}));
    QCOMPARE(row(page, 31), (QStringList{"8:Email Address:", "24:ann@example.com"}));
    QCOMPARE(row(page, 34), QStringList{"8:Category:"});
    QCOMPARE(row(page, 38), (QStringList{"8:Notes:", "16:typed, not saved"}));
    QCOMPARE(row(page, 43), QStringList{"8:" + QString(70, u'_')});
    for (int empty : {1, 2, 3, 5, 7, 8, 9, 11, 13, 14, 16, 18, 20, 21, 23, 24, 26, 27, 29, 30, 32, 33, 35, 36,
                      37, 39, 40, 41, 42})
        QVERIFY2(row(page, empty).isEmpty(), qPrintable(QString::number(empty)));
    // The page's rows: 3 lines at 12 points, 2 at 16, 4 at 14, 1 at 10, then 33 at 12.
    const double line = 1.13281;  // Courier New line height in em
    const double expectedTop = (3 * 12 + 2 * 16 + 4 * 14 + 10 + 32 * 12) * line;
    QVERIFY2(qAbs(itemAt(page, 43, 8)->y - expectedTop) < 0.5, qPrintable(QString::number(itemAt(page, 43, 8)->y)));

    // Printing reads no file and writes none.
    QCOMPARE(f.fileBytes(), before);
    QVERIFY(f.app.messages.shown().empty());
    // Printing to a file stays available; the page-range flag is left for the next print.
    QCOMPARE(f.app.printScript.flagsAtShow().at(0) & platform::PrintDialog::DisablePrintToFile, 0);
    f.app.printScript.print(1);
    f.click("mnuEDVPrint");
    QCOMPARE(f.app.printScript.flagsAtShow().at(1), int(platform::PrintDialog::PageNums));
}

void TestContactWindowPrint::longCategoryAndNotesAreSplitByCount()
{
    ContactWindowFixture f;
    openOnAnn(f);
    const QString category = QString(61, u'c') + QStringLiteral("D");
    QString notes;
    for (int i = 0; i < 160; ++i)
        notes += QChar(u'a' + i % 26);
    f.box("txtACCategory")->setText(category);
    f.box("txtACNotes")->setText(notes + QStringLiteral("XYZ"));  // beyond 160: not printed

    f.app.printScript.print(1);
    f.click("mnuEDVPrint");
    const PrintedPage& page = f.app.device.documents().front().pages.front();
    QCOMPARE(row(page, 34), (QStringList{"8:Category:", "19:" + QString(61, u'c')}));
    QCOMPARE(row(page, 35), QStringList{"19:D"});
    QCOMPARE(row(page, 38), (QStringList{"8:Notes:", "16:" + notes.mid(0, 61)}));
    QCOMPARE(row(page, 39), QStringList{"15:" + notes.mid(61, 53)});
    QCOMPARE(row(page, 40), QStringList{"15:" + notes.mid(114, 46)});
}

void TestContactWindowPrint::copiesMakeOneDocument()
{
    ContactWindowFixture f;
    openOnAnn(f);
    f.app.printScript.print(3);
    f.click("mnuEDVPrint");
    QCOMPARE(f.app.device.documents().size(), std::size_t(1));
    const printing::PrintedDocument& doc = f.app.device.documents().front();
    QCOMPARE(doc.pages.size(), std::size_t(3));
    for (const PrintedPage& page : doc.pages)
        QCOMPARE(row(page, 15), QStringList{"8:Ann  Lee"});

    f.app.device.clear();
    f.app.printScript.print(0);
    f.click("mnuEDVPrint");
    QVERIFY(f.app.device.documents().empty());
}

void TestContactWindowPrint::nothingShownPrintsEmptyValues()
{
    ContactWindowFixture f;
    f.openWith({person("Ann", "", "Lee")});
    f.app.printScript.print(1);
    f.click("mnuEDVPrint");
    const PrintedPage& page = f.app.device.documents().front().pages.front();
    QCOMPARE(row(page, 19), QStringList{"8:,   "});
    QCOMPARE(row(page, 22), QStringList{"8:Company Name:"});
    QCOMPARE(row(page, 43), QStringList{"8:" + QString(70, u'_')});
}

void TestContactWindowPrint::cancelPrintsNothing()
{
    ContactWindowFixture f;
    openOnAnn(f);
    f.app.printScript.cancel();
    f.click("mnuEDVPrint");
    QVERIFY(f.app.device.documents().empty());
    QVERIFY(f.app.messages.shown().empty());
    QVERIFY(!f.app.printer.hasOpenDocument());
}

void TestContactWindowPrint::failingPrinter_data()
{
    QTest::addColumn<bool>("inDialog");
    QTest::newRow("device fails") << false;
    QTest::newRow("dialog fails") << true;
}

void TestContactWindowPrint::failingPrinter()
{
    QFETCH(bool, inDialog);
    ContactWindowFixture f;
    openOnAnn(f);
    if (inDialog) {
        testsupport::PrintDialogAction fail;
        fail.kind = testsupport::PrintDialogAction::Fail;
        f.app.printScript.push(fail);
    } else {
        f.app.printScript.print(2);
        f.app.device.failWith(482);
    }
    f.app.messages.expect(QStringLiteral("Printer error."), QStringLiteral("A printer problem exists.  Check printer."),
                          Buttons::Ok, Icon::Exclamation);
    f.click("mnuEDVPrint");
    QVERIFY(f.app.messages.allShown());
    QVERIFY(f.app.device.documents().empty());
    QVERIFY(!f.app.printer.hasOpenDocument());
    QCOMPARE(f.box("txtACFName")->text(), QStringLiteral("Ann"));
}

void TestContactWindowPrint::selectionPrintOut()
{
    ContactWindowFixture f;
    openOnAnn(f);
    auto* notes = f.box("txtACNotes");
    notes->setText(QStringLiteral("call her back"));
    notes->setFocus();
    notes->setSelection(5, 3);

    testsupport::PrintDialogAction selection;
    selection.copies = 3;
    selection.flagsOut = platform::PrintDialog::Selection;
    f.app.printScript.push(selection);
    f.click("mnuEDVPrint");
    QCOMPARE(f.app.device.documents().size(), std::size_t(1));
    const printing::PrintedDocument& doc = f.app.device.documents().front();
    QCOMPARE(doc.pages.size(), std::size_t(1));
    QCOMPARE(row(doc.pages.front(), 1), QStringList());
    QCOMPARE(row(doc.pages.front(), 2), QStringList{"1:her"});
    QCOMPARE(itemAt(doc.pages.front(), 2, 1)->font.size, 12.0);
    QCOMPARE(doc.pages.front().items.back().row, 2);
}

void TestContactWindowPrint::selectionWithoutATextBoxPrintsNothing()
{
    ContactWindowFixture f;
    openOnAnn(f);
    f.c<QPushButton>(QStringLiteral("cmdSave"))->setFocus();
    testsupport::PrintDialogAction selection;
    selection.flagsOut = platform::PrintDialog::Selection;
    f.app.printScript.push(selection);
    f.click("mnuEDVPrint");
    QVERIFY(f.app.device.documents().empty());
    QVERIFY(f.app.messages.shown().empty());
    QVERIFY(!f.app.printer.hasOpenDocument());
}

QTEST_MAIN(TestContactWindowPrint)
#include "tst_contactwindow_print.moc"
