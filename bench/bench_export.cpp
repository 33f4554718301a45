// Exports a contact book of the size given (10000, 100000 or 1000000; 100000 when none) to
// each of the five kinds through the Export window, each in a process of its own so that its
// peak memory (the whole program's) is its own:
//   bench_export [contacts] [csv|text|android|iphone|v30 [book file, written when missing]]
#include "BenchBook.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

contacts::ContactRecord sample(int n)
{
    contacts::ContactRecord r;
    r.FName = QStringLiteral("First%1").arg(n);
    r.MiddleInit = QStringLiteral("Q");
    r.LName = QStringLiteral("Last, %1").arg(n);
    r.FStreet = QStringLiteral("%1 Main Street; Rear").arg(n);
    r.SStreet = QStringLiteral("Apt %1").arg(n % 100);
    r.City = QString::fromUtf8("Zürich");
    r.State = QStringLiteral("IL");
    r.Zip = QStringLiteral("62704");
    r.Country = QStringLiteral("USA");
    r.HPhone = QStringLiteral("(217) 555-0101");
    r.Email = QStringLiteral("person%1@example.com").arg(n);
    r.Birthdate = QStringLiteral("19700412");
    r.Category = QStringLiteral("Friends;Work");
    r.Notes = QStringLiteral("Said \"hello\", and then left. ").repeated(4);
    r.Company = QStringLiteral("Acme, Inc.");
    r.IncComp = QStringLiteral("1");
    r.BdayReminder = QStringLiteral("1");
    return r;
}

const struct {
    const char* name;
    const char* option;  // of the Export window
    const char* file;
} kKinds[] = {{"csv", "optExpCGCSV", "QVLC_QVL_Contacts.csv"},
              {"text", "optExpCGTXT", "QVLT_QVL_Contacts.txt"},
              {"android", "optExpCGVCF", "QVLVAndroid_QVL_Contacts.vcf"},
              {"iphone", "optExpCGVCFIphone", "QVLViPhone_QVL_Contacts.vcf"},
              {"v30", "optExpCGVCFOther", "QVLV30_QVL_Contacts.vcf"}};

// The book is linked into the program's data folder, not copied.
int exportOne(const char* name, const char* option, const char* file, const QString& bookPath)
{
    testsupport::TestApp app;
    if (!QFile::link(bookPath, app.dataPath(QStringLiteral("QVL_Contacts.DAT"))))
        return 1;
    app.messages.answerFreely({});
    app.start();
    app.form(session::WindowId::Export).showForm();
    app.click(session::WindowId::Export, QString::fromLatin1(option));
    QElapsedTimer timer;
    timer.start();
    app.click(session::WindowId::Export, QStringLiteral("cmdExpCreate"));
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QString path = app.dataPath(QString::fromLatin1(file));
    const qint64 bytes = QFileInfo(path).size();
    QFile::remove(path);
    bench::report(qPrintable(QStringLiteral("export %1 (Export window)").arg(QLatin1String(name))),
                  QFileInfo(bookPath).size() / contacts::ContactRecord::Length, seconds, QStringLiteral("%1 bytes").arg(bytes));
    return bytes > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int records = bench::bookSize(argc, argv);
    const QString kindName = bench::job(argc, argv);
    QTemporaryDir dir;
    const QString bookPath = argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.filePath(QStringLiteral("Bench.DAT"));
    if (!dir.isValid() || (!QFileInfo::exists(bookPath) && !bench::writeBook(bookPath, records, sample)))
        return 1;
    if (kindName.isEmpty()) {
        QStringList names;
        for (const auto& k : kKinds)
            names << QLatin1String(k.name);
        return bench::runEach(records, names, {bookPath}) ? 0 : 1;
    }
    for (const auto& k : kKinds) {
        if (kindName == QLatin1String(k.name))
            return exportOne(k.name, k.option, k.file, bookPath);
    }
    return 1;
}
