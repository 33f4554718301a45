// A book of the size given (10000, 100000 or 1000000; 100000 when none): listing every contact
// and a one-field search as Get report runs them (the pass that keeps the matches' record
// numbers in list order), the View All Contacts window's Get report with its list filled,
// typing in that list, File > Print of that list (the list report) to a PDF through the real
// Qt printer, and 3,000 search-result labels (100 sheets) to PDF. Each job runs in a process of
// its own, so that the peak memory it prints is its own:
//   bench_search [contacts] [search|getreport|typeahead|listreport|labels]
#include "BenchBook.h"
#include "contacts/ContactFile.h"
#include "contacts/ContactSearch.h"
#include "ui/contacts/ViewAllWindow.h"
#include "printing/SearchLabelsJob.h"
#include "printing/qt/QtPrinterDevice.h"
#include "support/TestApp.h"
#include "widgets/Controls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QThread>

using namespace contacts;

namespace {

double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

int search(int records)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QVL_Contacts.DAT"));
    if (!bench::writeBook(path, records, [records](int i) { return bench::sample(i, records); }))
        return 1;
    ContactFile file;
    file.open(path);
    QElapsedTimer timer;
    timer.start();
    const SearchResult all =
        ContactSearch({SearchField::All, {}, NameOrder::LastName, ColumnSet::Email}).runSorted(file);
    bench::report("view all (search and sort)", records, seconds(timer), QStringLiteral("%1 found").arg(all.found));
    timer.restart();
    const SearchResult some = ContactSearch({SearchField::LastName, QStringLiteral("smith")}).runSorted(file);
    bench::report("last-name search", records, seconds(timer), QStringLiteral("%1 found").arg(some.found));
    return 0;
}

// What the view asks the list's model for a key typed, answered by Qt's own match, which reads
// every line from the start on: a new search starts after the current line.
void qtOwnSearch(widgets::SortedListBox& list, const QString& typed, bool newSearch)
{
    const QAbstractItemModel* model = list.model();
    const QModelIndex current = list.currentIndex();
    int start = current.isValid() ? current.row() : 0;
    if (newSearch && current.isValid())
        start = start < model->rowCount() - 1 ? start + 1 : 0;
    const QModelIndexList found = model->QAbstractItemModel::match(model->index(start, 0), Qt::DisplayRole, typed, 1,
                                                                   Qt::MatchStartsWith | Qt::MatchWrap);
    if (!found.isEmpty())
        list.setCurrentIndex(found.front());
}

// Typing in the filled list as a user types: a name's letters in quick succession, then after
// a pause a letter no line begins with, which looks at the lines from the current one round to
// it. Each search is timed in the list, then in Qt's own search of every line (what the list
// did before it searched its sorted lines).
void typeAhead(widgets::SortedListBox& list, int records)
{
    QStyleHints* hints = QGuiApplication::styleHints();
    QCoreApplication::processEvents();  // the list lays out its lines once shown, before typing
    const auto type = [&](const char* what, const QString& keys, bool qtOwn) {
        QThread::msleep(5);
        QElapsedTimer timer;
        timer.start();
        for (qsizetype i = 0; i < keys.size(); ++i) {
            // The first key after a pause starts a new search, the others follow at once.
            hints->setKeyboardInputInterval(i == 0 ? 0 : 60000);
            if (qtOwn)
                qtOwnSearch(list, keys.left(i + 1), i == 0);
            else
                list.keyboardSearch(keys.mid(i, 1));
        }
        bench::report(what, records, seconds(timer), QStringLiteral("line %1").arg(list.currentIndex().row()));
    };
    for (bool qtOwn : {false, true}) {
        list.setCurrentIndex(QModelIndex());
        type(qtOwn ? "typing \"First5\", Qt's own search" : "typing \"First5\"", QStringLiteral("First5"), qtOwn);
        type(qtOwn ? "typing \"x\" (no line), Qt's own search" : "typing \"x\" (no line)", QStringLiteral("x"), qtOwn);
    }
}

// Get report in View All Contacts, then (listReport) File > Print of the whole list to PDF, or
// (typing) letters typed in the list.
int listing(int records, bool listReport, bool typing = false)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    printing::QtPrinterDevice device(dir.filePath(QStringLiteral("default.pdf")));
    device.setPdfOutput(pdf);
    testsupport::TestApp app(listReport ? &device : nullptr);
    if (!bench::writeBook(app.dataPath(QStringLiteral("QVL_Contacts.DAT")), records,
                          [records](int i) { return bench::sample(i, records); }))
        return 1;
    app.messages.answerFreely({});
    app.start();
    app.forms->as<ViewAllWindow>(session::WindowId::ViewAll).openForSearch();
    QElapsedTimer timer;
    timer.start();
    app.click(session::WindowId::ViewAll, QStringLiteral("cmdACGetReport"));
    const double getReport = seconds(timer);
    const auto* list = app.find<QAbstractItemView>(session::WindowId::ViewAll, QStringLiteral("lstAllContacts"));
    const int listed = list->model()->rowCount();
    bench::report("Get report, the list filled", records, getReport, QStringLiteral("%1 listed").arg(listed));
    if (typing)
        typeAhead(*app.find<widgets::SortedListBox>(session::WindowId::ViewAll, QStringLiteral("lstAllContacts")),
                  records);
    if (!listReport)
        return listed == records ? 0 : 1;

    app.printScript.print(1);
    const size_t boxes = app.messages.shown().size();
    timer.restart();
    app.click(session::WindowId::ViewAll, QStringLiteral("mnuPrint"));
    bench::report("list report to PDF", records, seconds(timer),
                  QStringLiteral("%1 bytes").arg(QFileInfo(pdf).size()));
    return app.messages.shown().size() == boxes && QFileInfo(pdf).size() > 0 ? 0 : 1;
}

int labels()
{
    testsupport::TestApp app;
    std::vector<QStringList> lines(3000, {"Margaret Q Johnson", "Northwind Traders", "1234 Elmwood Avenue ",
                                          "Springfield, IL  62704"});
    printing::QtPrinterDevice device(app.dataPath("default.pdf"));
    device.setPdfOutput(app.dataPath("labels.pdf"));
    printing::PagePrinter printer(device);
    testsupport::FakePrintDialog dialog(app.printScript);
    app.printScript.print(1);
    QElapsedTimer timer;
    timer.start();
    const auto outcome = printing::SearchLabelsJob(printer, dialog, app.messages, app.dataPath({})).run(lines, false, false);
    bench::report("3000 search-result labels to PDF", 3000, seconds(timer));
    return outcome == printing::SearchLabelsJob::Outcome::Printed ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const int records = bench::bookSize(argc, argv);
    const QString job = bench::job(argc, argv);
    if (job == QLatin1String("search"))
        return search(records);
    if (job == QLatin1String("getreport") || job == QLatin1String("listreport") || job == QLatin1String("typeahead"))
        return listing(records, job == QLatin1String("listreport"), job == QLatin1String("typeahead"));
    if (job == QLatin1String("labels"))
        return labels();
    return bench::runEach(records, {QStringLiteral("search"), QStringLiteral("getreport"), QStringLiteral("typeahead"),
                                    QStringLiteral("listreport"), QStringLiteral("labels")})
        ? 0
        : 2;
}
