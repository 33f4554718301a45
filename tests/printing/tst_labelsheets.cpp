#include "LabelJobRig.h"
#include "support/Fixture.h"

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
            in.lines[size_t(i)] = lines.value(i);
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
            in.portrait = word == "portrait" || (in.portrait && word != "envelope");
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
        QTest::addColumn<QString>("command");  // wide, large, folder, 80 or 60
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QStringList>("margins");
        const QString plain = "Recording Printer", officejet = "HP Officejet 3830", w = "w";
        const QStringList a{"A"}, x{"X"}, jane{"Jane Doe"}, ann{"Ann Smith", "12 Oak St", "Springfield IL 62704"};
        const QStringList envelope{"ONTHEFLY| 10| 10", "ENVELOPE|  2| -1"}, zero{"ONTHEFLY|  0|  0"};
        QTest::newRow("wide range 4-9") << "wide" << QStringList{"Jane Doe", "12 Elm St", "Springfield, IL  62701"} << "at=4-9 copies=3" << plain << QStringList{};
        // A whole sheet of each stock; the pads of every position are the stock tables' own test.
        QTest::newRow("wide") << "wide" << a << "at=1-20" << plain << QStringList{};
        QTest::newRow("large") << "large" << a << "at=1-10" << plain << QStringList{};
        QTest::newRow("folder") << "folder" << a << "at=1-30" << plain << QStringList{};
        QTest::newRow("wide DeskJet bold") << "wide" << a << "at=1-2 bold" << "HP DeskJet 640C/642C/648C" << QStringList{};
        QTest::newRow("large Officejet bold") << "large" << a << "at=1-2 bold" << officejet << QStringList{};
        QTest::newRow("folder Officejet bold") << "folder" << a << "at=1-2 bold" << officejet << QStringList{};
        // The first label's pads are looked up before the dialog, on the printer current then;
        // the paper is Letter forced, or the #10 envelope left by an earlier job.
        QTest::newRow("chosen plain") << "wide" << x << "at=3-4 paper20 chosen" << plain << QStringList{};
        QTest::newRow("chosen Officejet") << "wide" << x << "at=3-4 paper20 chosen" << "HP Officejet Pro 8600" << QStringList{};
        QTest::newRow("chosen Photosmart") << "wide" << x << "at=3-4 paper20 chosen" << "HP Photosmart C4180" << QStringList{};
        QTest::newRow("centring wide 5") << "wide" << QStringList{"Hello", "X"} << "at=1 centred" << plain << QStringList{};
        QTest::newRow("centring wide 7") << "wide" << QStringList{"Goodbye", "X"} << "at=1 centred" << plain << QStringList{};
        QTest::newRow("centring wide bold") << "wide" << QStringList{"Jane Doe", "X"} << "at=2 centred bold italic" << plain << QStringList{};
        QTest::newRow("centring wide empty") << "wide" << QStringList{"", "X"} << "at=1 centred" << plain << QStringList{};
        QTest::newRow("centring TAB CR LF") << "wide" << QStringList{"Jane\tDoe\r\n", "X"} << "at=1 centred" << plain << QStringList{};
        QTest::newRow("centring large") << "large" << QStringList{"Hello", "X"} << "at=1 centred" << plain << QStringList{};
        QTest::newRow("centring large bold") << "large" << QStringList{"Hello", "X"} << "at=1 centred bold italic" << plain << QStringList{};
        QTest::newRow("centring folder bold") << "folder" << QStringList{"Hello"} << "at=1 centred bold italic" << plain << QStringList{};
        QTest::newRow("centring folder") << "folder" << QStringList{"Goodbye"} << "at=2 centred" << plain << QStringList{};
        // Pads 50/15 with the ENVELOPE adjustments 2/-1: column 52 below 14 rows. Centred: pad - 6,
        // then 18 - 8/2 blanks. Large font and Bold on a family printer: 1 + 7 + 2 rows up, 6 + 6
        // columns left. The file folder's left-justified text: its spacer line and 20 points, in
        // the large face too. The position shown is neither split nor looked up.
        const QString env = "at=4-9 envelope size pads=50/15 prior copies=2 ";
        QTest::newRow("envelope wide") << "wide" << jane << env << plain << envelope;
        QTest::newRow("envelope wide centred") << "wide" << jane << env + "centred" << plain << envelope;
        QTest::newRow("envelope wide all Officejet") << "wide" << jane << env + "envbold large centred" << "Officejet 5740" << envelope;
        QTest::newRow("envelope large portrait") << "large" << jane << env + "portrait" << plain << envelope;
        QTest::newRow("envelope folder centred") << "folder" << jane << env + "centred" << plain << envelope;
        QTest::newRow("envelope folder all Officejet") << "folder" << jane << env + "envbold large centred" << "Officejet 5740" << envelope;
        QTest::newRow("envelope folder large font") << "folder" << jane << env + "large" << plain << envelope;
        // A family #10 envelope is one envelope, where it was a second page before.
        const QString cups = "HP_ENVY_5000 Generic CUPS-PDF Printer";
        QTest::newRow("family envelope") << "wide" << QStringList{"Jane Doe", "12 Elm St"} << "envelope size cups" << cups << QStringList{};
        QTest::newRow("family envelope bold") << "wide" << QStringList{"Jane Doe", "12 Elm St"} << "envelope size cups envbold" << cups << QStringList{};
        // The forced paper holds for the envelope's job only.
        QTest::newRow("paper then return address") << "wide 80" << QStringList{"Jane Doe", "12 Elm St", "Springfield"} << "envelope size" << "Officejet 5740" << QStringList{};
        QTest::newRow("envelope on any printer") << "wide" << QStringList{"Jane Doe", "12 Elm St"} << "envelope size chose10" << plain << QStringList{};
        QTest::newRow("family envelope large font") << "wide" << QStringList{"Jane Doe", "12 Elm St"} << "envelope size cups large" << cups << QStringList{};
        // Refused before the dialog: the screen stays, the margin file is read first all the same.
        QTest::newRow("refused no lines") << "wide" << QStringList{} << "at=4-9 noalign nolabel" << plain << QStringList{};
        QTest::newRow("refused blanks") << "wide" << QStringList{"", "", " "} << "at=4-9 noalign nolabel" << plain << QStringList{};
        QTest::newRow("refused no envelope size") << "large" << x << "at=4-9 noalign envelope" << plain << QStringList{};
        QTest::newRow("refused no alignment") << "wide" << x << "at=4-9 noalign" << plain << QStringList{};
        QTest::newRow("refused folder line 1 first") << "folder" << QStringList{"", "", "Other"} << "at=4-9 noalign" << plain << QStringList{};
        QTest::newRow("refused folder line 2 a blank") << "folder" << QStringList{"Taxes", " "} << "at=4-9 noalign" << plain << QStringList{};
        QTest::newRow("refused folder line 5") << "folder" << QStringList{"Taxes", "", "", "", "x"} << "at=4-9 noalign nolabel" << plain << QStringList{};
        QTest::newRow("refused folder then options") << "folder" << QStringList{"Taxes"} << "at=4-9 noalign nolabel" << plain << QStringList{};
        QTest::newRow("refused large line 2") << "large" << QStringList{"X", w.repeated(38)} << "at=4-9 centred" << plain << QStringList{};
        QTest::newRow("refused wide") << "wide" << QStringList{w.repeated(60)} << "at=4-9" << plain << QStringList{};
        QTest::newRow("refused folder") << "folder" << QStringList{w.repeated(23)} << "at=4-9" << plain << QStringList{};
        // Label 2 of a family printer chosen in the dialog has one column less; a #6 3/4 envelope
        // is 6 1/2 inches long.
        QTest::newRow("refused after the dialog") << "wide" << QStringList{QString(30, 'W')} << "at=1-2 chosen" << officejet << QStringList{};
        QTest::newRow("refused personal envelope") << "wide" << QStringList{"X", QString(25, 'W')} << "envelope size=2 pads=33/32" << plain << QStringList{};
        for (const char* command : {"wide", "large", "folder"})
            QTest::addRow("refused no position %s", command) << command << x << "label" << plain << QStringList{};
        // The command splits the range the prompt accepted afresh; "a-b" the prompt would refuse.
        QTest::newRow("range 7") << "wide" << x << "at=7 stale cancel" << plain << QStringList{};
        QTest::newRow("range 9-4") << "wide" << x << "at=9-4 stale" << plain << QStringList{};
        QTest::newRow("range a-b") << "wide" << x << "at=a-b stale" << plain << QStringList{};
        // The later ONTHEFLY record: two columns right; a top line count of -1 prints no line.
        QTest::newRow("margin adjustments") << "folder" << QStringList{"   "} << "at=1-2" << plain << QStringList{"ONTHEFLY|  9|  9", "ONTHEFLY|  2| -1", "ENVELOPE| 40| 40"};
        // Printer problems: the document is cancelled, also when none was open yet.
        QTest::newRow("problem ONTHEFLY letters") << "wide" << QStringList{} << "" << plain << QStringList{"ONTHEFLY|abc|  1"};
        QTest::newRow("problem ENVELOPE blank") << "large" << QStringList{} << "" << plain << QStringList{"ENVELOPE|  1|   "};
        QTest::newRow("problem RETURNAD blank") << "80" << QStringList{} << "" << plain << QStringList{"RETURNAD|   |  0"};
        QTest::newRow("problem the cancel fails too") << "folder" << QStringList{} << "cancelfails" << plain << QStringList{"ONTHEFLY| 1x|  0"};
        QTest::newRow("problem pad plus adjustment") << "wide" << x << "at=25 pads=32767/3 copies=2" << plain << QStringList{"ONTHEFLY|  1|  0"};
        QTest::newRow("problem centring column") << "large" << x << "at=25 pads=-32767/3 centred bold copies=2" << plain << zero;
        QTest::newRow("problem folder pad") << "folder" << x << "at=99 pads=32767/3 copies=2" << plain << QStringList{"ONTHEFLY|  1|  0"};
        QTest::newRow("problem printer fails") << "wide" << x << "at=1 fail=482 copies=2" << plain << zero;
        QTest::newRow("problem dialog fails") << "wide" << x << "at=1 dialogfail" << plain << zero;
        QTest::newRow("problem data folder missing") << "wide" << x << "at=1 nodata" << plain << zero;
        // Return-address sheets: lines 1 to 3 on every label. Only the sign of the top adjustment
        // counts: one line more or less above the first row. Control characters print as blanks.
        const QString ra = "bold envbold turned ";
        const QStringList ret{"RETURNAD| 50| 50", "ONTHEFLY|  9|  9"};
        QTest::newRow("return 80") << "80" << ann << ra << plain << QStringList{};
        QTest::newRow("return 60") << "60" << ann << ra << plain << QStringList{};
        QTest::newRow("return 80 centred italic") << "80" << ann << ra + "centred italic" << plain << QStringList{};
        QTest::newRow("return 60 centred") << "60" << QStringList{"Ann", "12 Oak St", ""} << ra + "centred" << plain << QStringList{};
        QTest::newRow("return only line 2") << "80" << QStringList{"", "Ann", ""} << ra << plain << QStringList{};
        QTest::newRow("return top 7") << "80" << ann << ra << plain << (ret + QStringList{"RETURNAD|  0|  7"});
        QTest::newRow("return top -9") << "60" << ann << ra << plain << (ret + QStringList{"RETURNAD|  0| -9"});
        QTest::newRow("return left -10") << "80" << QStringList{"A", "B", "C"} << ra << plain << (ret + QStringList{"RETURNAD|-10|  0"});
        QTest::newRow("return longest") << "80" << QStringList{QString(13, 'W'), "B", "\tC\r\n"} << ra << plain << QStringList{};
        // Another page, its print dialog cancelled: ended quietly, the return-address screen stays.
        QTest::newRow("return another page") << "80" << QStringList{"Ann"} << "bold again copies=2" << plain << QStringList{};
        QTest::newRow("return lines 1 to 3 empty") << "60" << QStringList{"", "", "", "Line 4"} << "bold italic" << plain << QStringList{};
        QTest::newRow("return line 5 a blank") << "60" << QStringList{"Ann", "", "", "", " "} << "bold italic" << plain << QStringList{};
        QTest::newRow("return line 3 too long") << "60" << QStringList{"Ann", "", QString(28, 'W')} << "bold italic" << plain << QStringList{};
        QTest::newRow("return printer fails") << "60" << QStringList{"Ann"} << "bold italic fail=57 copies=2" << plain << QStringList{};
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
