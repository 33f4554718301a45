#include "support/FakeMessages.h"
#include "support/FakePrintDialog.h"
#include "support/RecordingDevice.h"
#include "support/TestFiles.h"

#include <QTest>

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testsupport::errorOf;

class TestFakes : public QObject {
    Q_OBJECT

private slots:
    void messagesAnswerTheExpectedBoxes()
    {
        testsupport::FakeMessages fake;
        platform::Messages& messages = fake;
        fake.expect("Missing Data", "Please enter a last name.", Buttons::Ok, Icon::Exclamation)
            .expectInput("Search", "Enter the city:", "Boston")
            .expect("Error", "", Buttons::RetryCancel, Icon::None, Answer::Retry)
            .expect("S A V E D", "S A V E D");
        messages.beep();
        QCOMPARE(messages.messageBox("Missing Data", "Please enter a last name.", Buttons::Ok, Icon::Exclamation),
                 Answer::Ok);
        QCOMPARE(messages.inputBox("Enter the city:", "Search", "Anytown"), QString("Boston"));
        QVERIFY(!fake.allShown());
        QCOMPARE(fake.pending().size(), 2);

        // A box that differs from the next expected one, or that nobody expected, is a
        // failure and is answered Cancel.
        fake.setFailsRunningTest(false);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("expected message box .* but got"));
        QCOMPARE(messages.messageBox("Error", "", Buttons::YesNo), Answer::Cancel);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("expected message box .* but got"));
        QCOMPARE(messages.messageBox("S A V E D", "SAVED"), Answer::Cancel);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unexpected input box \"Search\""));
        QCOMPARE(messages.inputBox("Enter the city:", "Search"), QString());
        QCOMPARE(fake.failures().size(), 3);
        QCOMPARE(fake.events(),
                 (QStringList{"beep", "box:Missing Data", "input:Search", "box:Error", "box:S A V E D", "input:Search"}));
        QCOMPARE(fake.shown()[1].defaultText, QString("Anytown"));
    }

    void unexpectedBoxFailsTheRunningTest()
    {
        testsupport::FakeMessages fake;
        QEXPECT_FAIL("", "the box nobody expected fails the running test", Continue);
        static_cast<platform::Messages&>(fake).messageBox("Surprise", "Nobody expected this box.");
        QVERIFY(!fake.allShown());
    }

    void printDialogFollowsItsScript()
    {
        testsupport::PrintDialogScript script;
        testsupport::RecordingDevice device;
        script.device = &device;
        testsupport::FakePrintDialog dialog(script);
        testsupport::PrintDialogAction choice;
        choice.copies = 3;
        choice.deviceName = "Officejet Pro 8600";
        script.push(choice);
        script.cancel();
        script.push({testsupport::PrintDialogAction::Fail});

        dialog.setFlags(platform::PrintDialog::DisablePrintToFile);
        dialog.setCancelError(true);
        dialog.showPrinter();
        QCOMPARE(dialog.copies(), 3);
        QCOMPARE(dialog.flags(), int(platform::PrintDialog::DisablePrintToFile));
        QCOMPARE(device.deviceName(), QString("Officejet Pro 8600"));
        QCOMPARE(errorOf([&] { dialog.showPrinter(); }), 32755);
        QCOMPARE(errorOf([&] { dialog.showPrinter(); }), 482);
        QVERIFY(script.allUsed());
        QCOMPARE(script.shownCount(), 3);
        QEXPECT_FAIL("", "a dialog nobody scripted fails the running test", Continue);
        QCOMPARE(errorOf([&] { dialog.showPrinter(); }), 32755);
    }

};

QTEST_GUILESS_MAIN(TestFakes)
#include "tst_fakes.moc"
