#include "LabelJobRig.h"
#include "support/Fixture.h"
#include "support/TableRows.h"

#include <QFile>
#include <QtTest>


// The Print commands of the label sheets and envelopes, run alone on their typed input: wide,
// large, file folder and the two return-address sheets.
class TestLabelSheets : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::LabelJobRig> rig;

    // Words of `options`: the screen's options ("centred", "bold", "envelope" with the #10 size,
    // "at=4-9" a position chosen), then the printer's state and the print dialog's answer.
    void setUp(const QString& options, const QStringList& lines, const QString& device)
    {
        printing::LabelInput& in = rig->in;
        for (int i = 0; i < 5; ++i)
            in.lines[size_t(i)] = testsupport::repeated(lines.value(i));
        int copies = 1;
        for (const QString& word : options.split(' ', Qt::SkipEmptyParts)) {
            const QString value = word.section('=', 1);
            if (word.startsWith("at=")) {
                in.positionChosen = in.label = true;
                rig->vars.strLabelRange = value;
            } else if (word.startsWith("pads=")) {
                in.leftPad = value.section('/', 0, 0);
                in.topPad = value.section('/', 1);
            } else if (word.startsWith("copies=")) {
                copies = value.toInt();
            } else if (word.startsWith("size=")) {  // an envelope size of the list
                rig->vars.strEnvSize = value;
            } else if (word.startsWith("fail=")) {
                rig->device.failWith(value.toInt());
            }
            in.label |= word == "label";
            in.centred |= word == "centred";
            in.leftJustified &= word != "centred" && word != "noalign";
            in.labelBold |= word == "bold";
            in.labelItalic |= word == "italic";
            in.envelopeBold |= word == "envbold";
            in.largeFont |= word == "large";
            in.label &= word != "envelope" && word != "nolabel";
            in.envelope |= word == "envelope";
            in.portrait = word == "portrait" || (in.portrait && word != "envelope" && word != "landscape");
            if (word == "size") {  // #10 Business
                rig->vars.strEnvSize = "1";
                in.leftPad = "50";
                in.topPad = "31";
            } else if (word == "stale") {  // left by the prompt of an earlier position
                rig->vars.strEndPos = "old";
                rig->vars.intLabelCount = 3;
            } else if (word == "prior") {  // left by an earlier job
                rig->printer.setFontBold(true);
                rig->printer.setFontItalic(true);
            } else if (word == "turned") {  // landscape, left by an envelope
                rig->printer.setOrientation(2);
            } else if (word == "cups") {  // a CUPS queue gives the family's #10 paper 277 points in landscape
                rig->device.setUnprintable(17.75);
            } else if (word == "chose10") {  // the #10 envelope chosen in the dialog of any printer
                rig->device.setOwnPaper(20);
            } else if (word == "paper20") {
                rig->printer.setPaperSize(20);
            } else if (word == "cancelfails") {
                rig->printer.failCancel = true;
            } else if (word == "nodata") {
                rig->appInfo.data = rig->dir.filePath("missing/folder");
            }
        }
        using Action = testsupport::PrintDialogAction;
        const bool chosen = options.contains("chosen");
        if (!chosen)
            rig->device.setDeviceName(device);
        const Action::Kind kind = options.contains("dialogfail") ? Action::Fail
                                  : options.contains("cancel")   ? Action::Cancel
                                                                 : Action::Print;
        rig->script.push({kind, copies, -1, chosen ? device : QString()});
        // For a second command of the row, or another page ("again": a cancelled one).
        rig->script.push({options.contains("again") ? Action::Cancel : Action::Print});
        rig->messages.morePages = options.contains("again");
    }

private slots:
    void init() { rig = std::make_unique<testsupport::LabelJobRig>(); }

    void command_data()
    {
        // Each row's boxes, dialog, screen left and documents are tests/data/labelsheets/<row>.txt.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("margins");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("device");
        for (const QStringList& r : testsupport::tableRows("labelsheets.tsv"))
            QTest::newRow(qPrintable(r[0]))
                << r[1] << r[2].split('|') << r[3].split(", ", Qt::SkipEmptyParts) << r[4] << r[5];
    }
    void command()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, margins);
        if (!margins.isEmpty())
            rig->writeMargins(margins);
        QFETCH(QStringList, lines);
        QFETCH(QString, options);
        QFETCH(QString, device);
        setUp(options, lines, device);
        rig->messages.answerFreely({});
        const qsizetype descriptors = testsupport::openDescriptors();
        printing::LabelJobResult shown;
        for (const QString& step : command.split(' '))
            shown = rig->run(step);
        QVERIFY(testsupport::matchesGolden(rig->transcript(shown),
                                           "labelsheets/" + QString(QTest::currentDataTag()).replace(' ', '_')));
        QVERIFY(!rig->printer.hasOpenDocument());
        QCOMPARE(testsupport::openDescriptors(), descriptors);  // the margin file is closed
        QVERIFY(QFile::exists(rig->appInfo.data + "/QVLPARAM.TXT") || options.contains("nodata"));
    }

    void returnAddressRereadsTheScreenAfterTheBox()
    {
        // The lines typed while the instructions are up are the ones printed.
        printing::LabelInput after = rig->in;
        after.lines[0] = "Ann";
        int reads = 0;
        rig->script.print(1);
        rig->messages.answerFreely({});
        printing::printReturnAddressEighty(
            {rig->services, rig->dialog, rig->in, {}, [&] { return ++reads > 1 ? after : rig->in; }});
        QCOMPARE(testsupport::dumpDocuments(rig->device.documents()).count("|Ann|"), 80);
    }

    void printButtonsOfTheScreen()
    {
        // The screen hands each Print button's and menu command's command its lines and options
        // and shows what it left; a new press prints the accepted range again.
        testsupport::Fixture app;
        testsupport::Screen w = app.window();
        app.typeLines({"Jane Doe"});
        w.setValue("chkBold", 1);
        app.choose("optQzLabel", "4-9");
        // Each command's pads and envelope Bold as they stand under its print dialog or box.
        QStringList seen;
        const auto look = [&](const QString& at) {
            seen << at + ' ' + w.text("txtQzLeftPad") + '/' + w.text("txtQzToppad")
                        + (w.value("chkBold") || w.isVisible("chkBold") ? " Bold" : "");
        };
        app.app.printScript.onShow = [&] { look("dialog"); };
        app.app.messages.onShow = [&](const testsupport::ShownBox& box) { look(box.title.section(u' ', 0, 0)); };
        for (const QString button : {"cmdWideLabel", "cmdWideLabel", "cmdLargeLabel", "cmdFileFolderStart"}) {
            app.app.printScript.print(1);
            app.click(button);
        }
        QVERIFY2(app.leftOver().isEmpty(), qPrintable(app.leftOver()));
        QCOMPARE(app.layout(1), app.layout(0));
        QCOMPARE(app.layout(0).first() + ' ' + app.layout(2).first() + ' ' + app.layout(3).first(),
                 QString("11:68:Jane Doe 13:46:Jane Doe 5:34:Jane Doe"));
        QCOMPARE(w.vars().strStartPos + ' ' + w.vars().strEndPos + ' ' + w.text("txtQzLeftPad") + ' '
                     + w.text("txtQzToppad"), QString("10 9 34 8"));
        QVERIFY(w.value("chkBold") == 0 && !w.isVisible("chkBold"));

        // A return-address menu command prints the sheet at once, then the standard screen
        // comes back with the mode left as the menu set it.
        app.typeLines({"Ann Smith", "12 Oak St", "Springfield IL 62704"});
        app.app.messages.answerFreely({});
        app.app.printScript.print(1);
        w.setValue("optQzEnvelope", 1);
        w.setValue("chkBold", 1);
        app.click("mnuLrgRetAddress");
        QCOMPARE(app.layout(4).size(), 15 * 3 * 4);
        QVERIFY(w.isVisible("cmdQzStart") && !w.isVisible("cmdLrgRetAddress"));
        QCOMPARE(w.text("lblLabelSize") + ' ' + QString::number(app.app.state.lngLabelMode),
                 QString("Standard Label 1\" x 2 5/8\" 4"));
        QCOMPARE(seen.join(", "), QString("dialog 68/9 Bold, dialog 68/9, dialog 46/11, dialog 34/2, Load 34/8 Bold, "
                                          "dialog 34/8 Bold, Completed 34/8"));

        // Closing the contact window brings the sheet's screen back as the File menu shows it,
        // the label options greyed out, Italic unticked: the sheet prints upright.
        w.setValue("chkLblItalic", 1);
        app.click("mnuFind");
        app.app.form(testsupport::FormId::ContactInfo).close();
        QCOMPARE(w.text("lblLabelSize"), QString("Return Address Label 2/3\" x 1 3/4\""));
        QVERIFY(!w.isEnabled("optQzLabel") && !w.isEnabled("optQzEnvelope") && !w.isEnabled("chkLblBold")
                && !w.isEnabled("chkLblItalic") && !w.value("chkLblItalic") && !w.isVisible("lblQzPosition"));
        app.app.printScript.print(1);
        app.click("cmdLrgRetAddress");
        QVERIFY(!testsupport::dumpDocuments({app.app.device.documents().back()}).contains(" italic "));
    }
};

QTEST_MAIN(TestLabelSheets)
#include "tst_labelsheets.moc"
