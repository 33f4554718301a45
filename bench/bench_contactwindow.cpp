// Opens the Contact Information window (every record into its sorted find list) on a book of
// the size given (10000, 100000 or 1000000; 100000 when none), then one Next.
#include "BenchBook.h"
#include "contacts/ContactRecord.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

bool measure(int records)
{
    testsupport::TestApp app;
    QRandomGenerator random(518);
    auto word = [&random](int length) {
        QString text;
        text += QChar(u'A' + random.bounded(26));
        for (int i = 1; i < length; ++i)
            text += QChar(u'a' + random.bounded(26));
        return text;
    };
    if (!bench::writeBook(app.dataPath(QStringLiteral("QVL_Contacts.DAT")), records, [&](int) {
            contacts::ContactRecord r;
            r.FName = word(3 + random.bounded(8));
            r.MiddleInit = random.bounded(2) ? word(1) : QString();
            r.LName = word(4 + random.bounded(10));
            r.City = word(6);
            r.IncComp = QStringLiteral("0");
            r.BdayReminder = QStringLiteral("0");
            return r;
        }))
        return false;
    app.start();

    QElapsedTimer timer;
    timer.start();
    app.click(session::WindowId::Main, QStringLiteral("cmdFindContact"));
    const double open = double(timer.nsecsElapsed()) / 1e9;
    auto* list = app.find<QComboBox>(session::WindowId::ContactInfo, QStringLiteral("cboFindContact"));
    bench::report("Contact Information window opens", records, open, QStringLiteral("%1 listed").arg(list->count()));
    list->setCurrentIndex(0);
    emit list->activated(0);
    timer.restart();
    app.click(session::WindowId::ContactInfo, QStringLiteral("cmdNext"));
    bench::report("then Next", records, double(timer.nsecsElapsed()) / 1e9);
    return list->count() == records;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    return measure(bench::bookSize(argc, argv)) ? 0 : 2;
}
