#include "platform/qt/QtAppInfo.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtCursor.h"
#include "platform/qt/QtFileDialogs.h"
#include "platform/qt/QtMessages.h"
#include "platform/qt/QtSettings.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <functional>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// Acts on the next modal dialog of type D as soon as it is up; gives up after 5 seconds
// by closing whatever modal widget there is, so a missing dialog cannot hang the test.
template <class D>
void whenShown(std::function<void(D*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<D*>(modal)) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                modal->close();
        }
    });
    timer->start(10);
}

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

}  // namespace

Q_DECLARE_METATYPE(Buttons)
Q_DECLARE_METATYPE(Icon)
Q_DECLARE_METATYPE(Answer)

class tst_QtServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void messageBox_data();
    void messageBox();
    void messageBoxEscape();
    void inputBox();

    void classicFilters_data();
    void classicFilters();

    void cursorBalanced();
    void appInfo();
    void settingsRoundTrip();
    void clipboard();
};

void tst_QtServices::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_QtServices::messageBox_data()
{
    QTest::addColumn<Buttons>("buttons");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<int>("expectedButtons");
    QTest::addColumn<int>("expectedDefault");
    QTest::addColumn<int>("expectedIcon");
    QTest::addColumn<int>("click");
    QTest::addColumn<Answer>("answer");

    QTest::newRow("ok") << Buttons::Ok << Icon::None << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                        << int(QMessageBox::NoIcon) << int(QMessageBox::Ok) << Answer::Ok;
    QTest::newRow("retry") << Buttons::RetryCancel << Icon::None << int(QMessageBox::Retry | QMessageBox::Cancel)
                           << int(QMessageBox::Retry) << int(QMessageBox::NoIcon) << int(QMessageBox::Retry)
                           << Answer::Retry;
    QTest::newRow("cancel") << Buttons::RetryCancel << Icon::Exclamation
                            << int(QMessageBox::Retry | QMessageBox::Cancel) << int(QMessageBox::Retry)
                            << int(QMessageBox::Warning) << int(QMessageBox::Cancel) << Answer::Cancel;
    QTest::newRow("yes") << Buttons::YesNoCancel << Icon::Information
                         << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << int(QMessageBox::Yes)
                         << int(QMessageBox::Information) << int(QMessageBox::Yes) << Answer::Yes;
    QTest::newRow("no") << Buttons::YesNoCancel << Icon::None
                        << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << int(QMessageBox::Yes)
                        << int(QMessageBox::NoIcon) << int(QMessageBox::No) << Answer::No;
    QTest::newRow("yes/no") << Buttons::YesNo << Icon::Exclamation << int(QMessageBox::Yes | QMessageBox::No)
                            << int(QMessageBox::Yes) << int(QMessageBox::Warning) << int(QMessageBox::No)
                            << Answer::No;
}

void tst_QtServices::messageBox()
{
    QFETCH(Buttons, buttons);
    QFETCH(Icon, icon);
    QFETCH(int, expectedButtons);
    QFETCH(int, expectedDefault);
    QFETCH(int, expectedIcon);
    QFETCH(int, click);
    QFETCH(Answer, answer);

    SeenBox seen;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        seen = {box->windowTitle(), box->text(), box->textFormat(), box->icon(), box->standardButtons(),
                box->standardButton(box->defaultButton())};
        box->button(QMessageBox::StandardButton(click))->click();
    });
    platform::QtMessages messages;
    const QString text = "A printer problem exists.  Check printer. <b>not bold</b>";
    QCOMPARE(messages.messageBox("Printer error", text, buttons, icon), answer);
    QCOMPARE(seen.title, QStringLiteral("Printer error"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(int(seen.icon), expectedIcon);
    QCOMPARE(int(seen.buttons), expectedButtons);
    QCOMPARE(int(seen.defaultButton), expectedDefault);
}

void tst_QtServices::messageBoxEscape()
{
    platform::QtMessages messages;
    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(messages.messageBox("Error", "Escape leaves.", Buttons::RetryCancel), Answer::Cancel);
    whenShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(messages.messageBox("Note", "Escape leaves.", Buttons::Ok), Answer::Ok);
}

void tst_QtServices::inputBox()
{
    platform::QtMessages messages;
    QString title;
    QString prompt;
    QString shownDefault;
    bool plain = false;
    whenShown<QInputDialog>([&](QInputDialog* dialog) {
        title = dialog->windowTitle();
        prompt = dialog->labelText();
        shownDefault = dialog->textValue();
        const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
        plain = !labels.isEmpty() && labels.first()->textFormat() == Qt::PlainText;
        dialog->setTextValue("Boston");
        dialog->accept();
    });
    QCOMPARE(messages.inputBox("Enter <city>:", "Search", "Anytown"), QStringLiteral("Boston"));
    QCOMPARE(title, QStringLiteral("Search"));
    QCOMPARE(prompt, QStringLiteral("Enter <city>:"));
    QCOMPARE(shownDefault, QStringLiteral("Anytown"));
    QVERIFY(plain);

    // Cancel gives the empty text, whatever was typed.
    whenShown<QInputDialog>([](QInputDialog* dialog) {
        dialog->setTextValue("typed");
        dialog->reject();
    });
    QCOMPARE(messages.inputBox("Enter the city:", "Search", "Anytown"), QString());
}

void tst_QtServices::classicFilters_data()
{
    QTest::addColumn<QString>("classic");
    QTest::addColumn<QString>("qt");
    QTest::newRow("shown patterns") << "Text (*.txt)|*.txt" << "Text (*.txt)";
    QTest::newRow("two pairs") << "Contact files (*.DAT)|*.DAT|All files (*.*)|*.*"
                               << "Contact files (*.DAT);;All files (*.*)";
    QTest::newRow("no shown patterns") << "Comma separated (CSV)|*.csv" << "Comma separated (CSV) (*.csv)";
    QTest::newRow("several patterns") << "vCard or CSV|*.vcf;*.csv" << "vCard or CSV (*.vcf *.csv)";
    QTest::newRow("other shown patterns") << "Data (*.dat)|*.DAT" << "Data (*.DAT)";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("description only") << "*.DAT" << "*.DAT";
}

void tst_QtServices::classicFilters()
{
    QFETCH(QString, classic);
    QFETCH(QString, qt);
    QCOMPARE(platform::QtFileDialogs::qtFilter(classic), qt);
}

void tst_QtServices::cursorBalanced()
{
    QVERIFY(!QApplication::overrideCursor());
    {
        platform::QtCursor cursor;
        cursor.setBusy(true);
        cursor.setBusy(true);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        cursor.setBusy(false);
        QVERIFY(!QApplication::overrideCursor());
        cursor.setBusy(false);
        QVERIFY(!QApplication::overrideCursor());
        cursor.setBusy(true);
    }
    // A busy cursor left set is restored with its owner.
    QVERIFY(!QApplication::overrideCursor());
}

void tst_QtServices::appInfo()
{
    platform::QtAppInfo info;
    QCOMPARE(info.title(), QStringLiteral("Quorvel"));
    QCOMPARE(info.dataFolder(), QDir::homePath() + "/Quorvel");
    QCOMPARE(info.documentsFolder(), QCoreApplication::applicationDirPath());
    const platform::Version version = info.version();
    QCOMPARE(version.major, 1);
    QCOMPARE(version.minor, 0);
    QCOMPARE(version.revision, 0);
    QCOMPARE(info.today(), QDate::currentDate());
}

void tst_QtServices::settingsRoundTrip()
{
    platform::QtSettings settings;
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Quorvel", "Quorvel");
    QVERIFY2(store.fileName().contains(".qttest"), qPrintable(store.fileName()));
    store.clear();
    store.sync();

    QCOMPARE(settings.value("Settings", "MainLeft", "none"), QStringLiteral("none"));
    settings.setValue("Settings", "MainLeft", "1200");
    settings.setValue("Settings", "MainTop", "300");
    QCOMPARE(settings.value("Settings", "MainLeft"), QStringLiteral("1200"));
    QCOMPARE(settings.value("Other", "MainLeft", "x"), QStringLiteral("x"));
    store.sync();
    QCOMPARE(store.value("Settings/MainTop").toString(), QStringLiteral("300"));
    store.clear();
}

void tst_QtServices::clipboard()
{
    platform::QtClipboard clipboard;
    clipboard.setText("Smith\r\nJones");
    QCOMPARE(clipboard.text(), QStringLiteral("Smith\r\nJones"));
    clipboard.clear();
    QCOMPARE(clipboard.text(), QString());
}

QTEST_MAIN(tst_QtServices)
#include "tst_qtservices.moc"
