#include "platform/qt/QtCursor.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/QtShell.h"
#include "support/ModalDialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

using testsupport::whenShown;

class TestQtServices : public QObject {
    Q_OBJECT

private slots:
    // Plain text, the first button the default one as in the classic boxes, the title shown
    // whole; Escape gives the closed box's answer.
    void messageBox()
    {
        platform::QtMessages messages;
        QStringList seen;
        int room = 1000;
        const auto look = [&](QMessageBox* box) {
            room = std::min(room, box->width() - QFontMetrics(box->font()).horizontalAdvance(box->windowTitle()));
            seen << QStringLiteral("%1|%2|%3|%4|%5").arg(box->windowTitle(), box->text()).arg(box->textFormat())
                        .arg(box->icon()).arg(box->standardButton(box->defaultButton()));
        };
        const QString text = "A printer problem exists.  Check printer. <b>plain</b>";
        whenShown<QMessageBox>([&](QMessageBox* box) {
            look(box);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(messages.messageBox("Error", text, Buttons::RetryCancel, Icon::Exclamation), Answer::Cancel);
        whenShown<QMessageBox>([&](QMessageBox* box) {
            look(box);
            box->button(QMessageBox::No)->click();
        });
        const QString title = QStringLiteral("Changes saved to the contact book");
        QCOMPARE(messages.messageBox(title, "Save?", Buttons::YesNoCancel, Icon::Information), Answer::No);
        QCOMPARE(seen, (QStringList{QStringLiteral("Error|%1|%2|%3|%4").arg(text).arg(Qt::PlainText).arg(QMessageBox::Warning)
                                        .arg(QMessageBox::Retry),
                                    QStringLiteral("%1|Save?|%2|%3|%4").arg(title).arg(Qt::PlainText)
                                        .arg(QMessageBox::Information).arg(QMessageBox::Yes)}));
        QVERIFY2(room >= 160, qPrintable(QString::number(room)));
    }

    void inputBox()
    {
        platform::QtMessages messages;
        QString seen;
        whenShown<QInputDialog>([&](QInputDialog* dialog) {
            seen = dialog->windowTitle() + "|" + dialog->labelText() + "|" + dialog->textValue() + "|"
                   + QString::number(dialog->findChild<QLabel*>()->textFormat());
            dialog->setTextValue("Boston");
            dialog->accept();
        });
        QCOMPARE(messages.inputBox("Enter <city>:", "Search", "Anytown"), QString("Boston"));
        QCOMPARE(seen, QString("Search|Enter <city>:|Anytown|%1").arg(Qt::PlainText));
        whenShown<QInputDialog>([](QInputDialog* dialog) {
            dialog->setTextValue("typed");
            dialog->reject();
        });
        QCOMPARE(messages.inputBox("Enter the city:", "Search", "Anytown"), QString());  // Cancel: ""
    }

    void classicFilters()
    {
        using platform::QtFileDialogs;
        QCOMPARE(QtFileDialogs::qtFilter("Contact files (*.DAT)|*.DAT|All files (*.*)|*.*"),
                 QString("Contact files (*.DAT);;All files (*.*)"));
        QCOMPARE(QtFileDialogs::qtFilter("vCard or CSV|*.vcf;*.csv"), QString("vCard or CSV (*.vcf *.csv)"));
    }

    // Documents and web pages open through xdg-open, whose exit status tells whether a
    // program took them: nothing registered for the type must not pass for success.
    void shellOpensThroughXdgOpen_data()
    {
        QTest::addColumn<QString>("script");  // the body of xdg-open; "" when none is installed
        QTest::addColumn<bool>("opened");
        QTest::newRow("handed to the desktop") << "exit 0" << true;
        QTest::newRow("no program for the type") << "exit 3" << false;
        QTest::newRow("file gone") << "exit 2" << false;
        QTest::newRow("viewer runs in the foreground") << "exec /bin/sleep 3" << true;
        QTest::newRow("xdg-utils missing") << "" << false;
    }
    void shellOpensThroughXdgOpen()
    {
        QFETCH(QString, script);
        QFETCH(bool, opened);
        QTemporaryDir bin;
        const QString argsFile = bin.filePath("args");
        if (!script.isEmpty()) {
            QFile tool(bin.filePath("xdg-open"));
            QVERIFY(tool.open(QIODevice::WriteOnly));
            tool.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n%2\n").arg(argsFile, script).toUtf8());
            tool.close();
            tool.setPermissions(tool.permissions() | QFileDevice::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        platform::QtShell shell;
        const bool document = shell.openDocument("/tmp/Quorvel\\qvlUman.pdf");
        QFile args(argsFile);
        const QString given = args.open(QIODevice::ReadOnly) ? QString::fromUtf8(args.readAll()).trimmed() : QString();
        const bool page = shell.openUrl("www.usps.com/zip4/");
        qputenv("PATH", path);
        QCOMPARE(document, opened);
        QCOMPARE(page, opened);
        if (!script.isEmpty())
            QCOMPARE(given, QString("/tmp/Quorvel/qvlUman.pdf"));
    }

    void busyCursorIsBalanced()
    {
        {
            platform::QtCursor cursor;
            cursor.setBusy(true);
            cursor.setBusy(true);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            cursor.setBusy(false);
            QVERIFY(!QApplication::overrideCursor());  // busy twice is still one override
            cursor.setBusy(true);
        }
        QVERIFY(!QApplication::overrideCursor());  // restored with its owner
    }
};

QTEST_MAIN(TestQtServices)
#include "tst_qtservices.moc"
