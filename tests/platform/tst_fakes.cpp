#include "support/FakeMessages.h"
#include "support/FakePrintDialog.h"
#include "support/FakeServices.h"
#include "support/RecordingDevice.h"
#include "runtime/RuntimeError.h"

#include <QTest>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::FakeMessages;
using testsupport::PrintDialogAction;
using testsupport::PrintDialogScript;

class tst_Fakes : public QObject {
    Q_OBJECT

private slots:
    void expectedBoxesAnsweredInOrder();
    void unexpectedBoxIsAFailureAnsweredCancel();
    void differentBoxIsAFailure();
    void unexpectedBoxFailsTheRunningTest();
    void anyTextWhenNotChecked();
    void inputBoxes();

    void printDialogPrints();
    void printDialogCancels();
    void printDialogFails();
    void printDialogWithoutScriptFailsTheTest();

    void fileDialogsAnswerInTurn();
};

void tst_Fakes::expectedBoxesAnsweredInOrder()
{
    FakeMessages fake;
    platform::Messages& messages = fake;
    fake.expect("Missing Data", "Please enter a last name.", Buttons::Ok, Icon::Exclamation)
        .expect("Error", "An error has occurred. Error number 53 -- File not found.  Try again, or notify author.",
                Buttons::RetryCancel, Icon::None, Answer::Retry);
    QVERIFY(!fake.allShown());

    messages.beep();
    QCOMPARE(messages.messageBox("Missing Data", "Please enter a last name.", Buttons::Ok, Icon::Exclamation),
             Answer::Ok);
    QCOMPARE(messages.messageBox(
                 "Error", "An error has occurred. Error number 53 -- File not found.  Try again, or notify author.",
                 Buttons::RetryCancel),
             Answer::Retry);
    QVERIFY(fake.allShown());
    QCOMPARE(fake.beeps(), 1);
    QCOMPARE(fake.events(), (QStringList{"beep", "box:Missing Data", "box:Error"}));
    QCOMPARE(fake.shown().size(), size_t(2));
    QCOMPARE(fake.shown()[1].buttons, Buttons::RetryCancel);
    QCOMPARE(fake.shown()[0].icon, Icon::Exclamation);

    fake.reset();
    QVERIFY(fake.allShown());
    QVERIFY(fake.events().isEmpty());
}

void tst_Fakes::unexpectedBoxIsAFailureAnsweredCancel()
{
    FakeMessages fake;
    fake.setFailsRunningTest(false);
    platform::Messages& messages = fake;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unexpected message box \"Printer error\""));
    QCOMPARE(messages.messageBox("Printer error", "A printer problem exists.  Check printer.", Buttons::Ok,
                                 Icon::Exclamation),
             Answer::Cancel);
    QVERIFY(!fake.allShown());
    QCOMPARE(fake.failures().size(), 1);
    QVERIFY(fake.failures()[0].contains("A printer problem exists.  Check printer."));
    QCOMPARE(fake.events(), QStringList{"box:Printer error"});
}

void tst_Fakes::differentBoxIsAFailure()
{
    FakeMessages fake;
    fake.setFailsRunningTest(false);
    platform::Messages& messages = fake;
    fake.expect("Delete", "Delete this contact?", Buttons::YesNo, Icon::None, Answer::Yes);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("expected message box .* but got"));
    // Same title and text, other buttons: not the box the test expected.
    QCOMPARE(messages.messageBox("Delete", "Delete this contact?", Buttons::YesNoCancel), Answer::Cancel);
    QCOMPARE(fake.failures().size(), 1);
    QVERIFY(fake.pending().isEmpty());

    fake.reset();
    fake.expect("Delete", "Delete this contact?", Buttons::YesNo, Icon::None, Answer::Yes);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("expected message box .* but got"));
    QCOMPARE(messages.messageBox("Delete", "Delete this contact? ", Buttons::YesNo), Answer::Cancel);
    QVERIFY(!fake.allShown());

    // An expected box never shown leaves allShown() false.
    fake.reset();
    fake.expect("S A V E D", "S A V E D");
    QVERIFY(!fake.allShown());
    QCOMPARE(fake.pending().size(), 1);
}

void tst_Fakes::unexpectedBoxFailsTheRunningTest()
{
    FakeMessages fake;
    QEXPECT_FAIL("", "the box nobody expected fails the running test", Continue);
    static_cast<platform::Messages&>(fake).messageBox("Surprise", "Nobody expected this box.");
    QCOMPARE(fake.failures().size(), 1);
}

void tst_Fakes::anyTextWhenNotChecked()
{
    FakeMessages fake;
    testsupport::ExpectedBox box;
    box.title = "Error";
    box.buttons = Buttons::RetryCancel;
    box.answer = Answer::Cancel;
    box.checkText = false;
    fake.expectBox(box);
    QCOMPARE(static_cast<platform::Messages&>(fake).messageBox("Error", "Error number 75 -- anything",
                                                               Buttons::RetryCancel),
             Answer::Cancel);
    QVERIFY(fake.allShown());
}

void tst_Fakes::inputBoxes()
{
    FakeMessages fake;
    platform::Messages& messages = fake;
    fake.expectInput("Search", "Enter the city:", "Boston");
    QCOMPARE(messages.inputBox("Enter the city:", "Search", "Anytown"), QStringLiteral("Boston"));
    QVERIFY(fake.allShown());
    QVERIFY(fake.shown()[0].isInput);
    QCOMPARE(fake.shown()[0].defaultText, QStringLiteral("Anytown"));
    QCOMPARE(fake.events(), QStringList{"input:Search"});

    // A message box where an input box was expected is a failure; so is an unexpected input.
    fake.reset();
    fake.setFailsRunningTest(false);
    fake.expectInput("Search", "Enter the city:", "Boston");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("expected input box .* but got message box"));
    QCOMPARE(messages.messageBox("Search", "Enter the city:"), Answer::Cancel);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unexpected input box"));
    QCOMPARE(messages.inputBox("Enter the city:", "Search"), QString());
    QCOMPARE(fake.failures().size(), 2);
}

void tst_Fakes::printDialogPrints()
{
    PrintDialogScript script;
    testsupport::RecordingDevice device;
    script.device = &device;
    testsupport::FakePrintDialogFactory factory(script);
    std::unique_ptr<platform::PrintDialog> dialog = factory.create();

    PrintDialogAction action;
    action.copies = 3;
    action.flagsOut = platform::PrintDialog::PageNums;
    action.fromPage = 2;
    action.toPage = 4;
    action.deviceName = "Officejet Pro 8600";
    script.push(action);
    script.print(1);

    dialog->setFlags(platform::PrintDialog::DisablePrintToFile | platform::PrintDialog::NoSelection);
    dialog->showPrinter();
    QCOMPARE(dialog->copies(), 3);
    QCOMPARE(dialog->flags(), int(platform::PrintDialog::PageNums));
    QCOMPARE(dialog->fromPage(), 2);
    QCOMPARE(dialog->toPage(), 4);
    QCOMPARE(device.deviceName(), QStringLiteral("Officejet Pro 8600"));

    // Flags stay as the program set them unless the action sets them; the device stays.
    dialog->setFlags(platform::PrintDialog::DisablePrintToFile);
    dialog->showPrinter();
    QCOMPARE(dialog->copies(), 1);
    QCOMPARE(dialog->flags(), int(platform::PrintDialog::DisablePrintToFile));
    QCOMPARE(device.deviceName(), QStringLiteral("Officejet Pro 8600"));

    QCOMPARE(script.shownCount(), 2);
    QCOMPARE(script.flagsAtShow(), (std::vector<int>{platform::PrintDialog::DisablePrintToFile |
                                                         platform::PrintDialog::NoSelection,
                                                     platform::PrintDialog::DisablePrintToFile}));
    QVERIFY(script.allUsed());
}

void tst_Fakes::printDialogCancels()
{
    PrintDialogScript script;
    testsupport::FakePrintDialog dialog(script);
    dialog.setCopies(2);
    script.cancel();
    script.cancel();

    dialog.setCancelError(true);
    try {
        dialog.showPrinter();
        QFAIL("Cancel with cancelError on raised nothing");
    } catch (const rt::RuntimeError& e) {
        QCOMPARE(e.number(), 32755);
    }
    dialog.setCancelError(false);
    dialog.showPrinter();
    QCOMPARE(dialog.copies(), 2);
    QCOMPARE(script.shownCount(), 2);
}

void tst_Fakes::printDialogFails()
{
    PrintDialogScript script;
    testsupport::FakePrintDialog dialog(script);
    PrintDialogAction fail;
    fail.kind = PrintDialogAction::Fail;
    script.push(fail);
    fail.failError = 57;
    script.push(fail);
    for (int expected : {482, 57}) {
        try {
            dialog.showPrinter();
            QFAIL("a failing dialog raised nothing");
        } catch (const rt::RuntimeError& e) {
            QCOMPARE(e.number(), expected);
        }
    }
}

void tst_Fakes::printDialogWithoutScriptFailsTheTest()
{
    PrintDialogScript script;
    testsupport::FakePrintDialog dialog(script);
    dialog.setCancelError(true);
    QEXPECT_FAIL("", "a dialog nobody scripted fails the running test", Continue);
    try {
        dialog.showPrinter();
        QFAIL("an unscripted dialog did not act as Cancel");
    } catch (const rt::RuntimeError& e) {
        QCOMPARE(e.number(), 32755);
    }
}

void tst_Fakes::fileDialogsAnswerInTurn()
{
    testsupport::FakeFileDialogs dialogs;
    platform::FileDialogs& fileDialogs = dialogs;
    dialogs.choose("/tmp/data/Friends.DAT");
    dialogs.cancel();

    const auto first = fileDialogs.openFile("Open contact file", "Contact files (*.DAT)|*.DAT", "/tmp/data");
    QVERIFY(first.has_value());
    QCOMPARE(first->path, QStringLiteral("/tmp/data/Friends.DAT"));
    QCOMPARE(first->fileTitle, QStringLiteral("Friends.DAT"));
    QVERIFY(!fileDialogs.saveFile("Save as", "*.DAT|*.DAT", "/tmp").has_value());
    QVERIFY(!fileDialogs.openFile("Again", "", "").has_value());
    QCOMPARE(dialogs.titles, (QStringList{"Open contact file", "Save as", "Again"}));
    QCOMPARE(dialogs.filters[0], QStringLiteral("Contact files (*.DAT)|*.DAT"));
    QCOMPARE(dialogs.initialFolders[1], QStringLiteral("/tmp"));
}

QTEST_GUILESS_MAIN(tst_Fakes)
#include "tst_fakes.moc"
