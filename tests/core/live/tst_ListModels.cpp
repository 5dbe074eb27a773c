#include "audio/MicDeviceModel.h"
#include "live/ListModels.h"
#include "recordings/RecordingListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tolvaran;

namespace {

QList<MicDevice> devices(const QString& ids)
{
    QList<MicDevice> list;
    for (const QChar id : ids)
        list.append({QString(id), QStringLiteral("Mic ") + id});
    return list;
}

} // namespace

// Replacing a list sends the row changes a view can follow without
// rebuilding the rows that stay.
class TestListModels : public QObject
{
    Q_OBJECT

private slots:

    void replacingKeepsRows_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QList<MicDevice>>("after");
        QTest::addColumn<int>("inserted");
        QTest::addColumn<int>("removed");
        QTest::addColumn<int>("changed");
        QTest::addColumn<int>("resets");

        QTest::newRow("same") << "abc" << devices("abc") << 0 << 0 << 0 << 0;
        QTest::newRow("one added in front") << "abc" << devices("nabc") << 1 << 0 << 0 << 0;
        QTest::newRow("one added inside") << "abc" << devices("abnc") << 1 << 0 << 0 << 0;
        QTest::newRow("one removed inside") << "abc" << devices("ac") << 0 << 1 << 0 << 0;
        QTest::newRow("last removed") << "abc" << devices("ab") << 0 << 1 << 0 << 0;
        QList<MicDevice> renamed = devices("abc");
        renamed[1].name = "Headset";
        QTest::newRow("one renamed") << "abc" << renamed << 0 << 0 << 1 << 0;
        QTest::newRow("reordered") << "abc" << devices("cba") << 0 << 0 << 0 << 1;
        QTest::newRow("two added") << "abc" << devices("abcde") << 0 << 0 << 0 << 1;
        QTest::newRow("emptied") << "abc" << devices("") << 0 << 0 << 0 << 1;
    }

    void replacingKeepsRows()
    {
        QFETCH(QString, before);
        QFETCH(QList<MicDevice>, after);
        QFETCH(int, inserted);
        QFETCH(int, removed);
        QFETCH(int, changed);
        QFETCH(int, resets);

        MicDeviceModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setRows(devices(before));
        QSignalSpy insertedSpy(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removedSpy(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changedSpy(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy resetSpy(&model, &QAbstractItemModel::modelReset);
        model.setRows(after);

        QCOMPARE(model.rows(), after);
        QCOMPARE(insertedSpy.count(), inserted);
        QCOMPARE(removedSpy.count(), removed);
        QCOMPARE(changedSpy.count(), changed);
        QCOMPARE(resetSpy.count(), resets);
        for (int row = 0; row < after.size(); ++row) {
            QCOMPARE(model.data(model.index(row), MicDeviceModel::IdRole).toString(), after[row].id);
            QCOMPARE(model.data(model.index(row), MicDeviceModel::NameRole).toString(), after[row].name);
        }
    }

    void rolesAreNamedForViews()
    {
        const QHash<int, QByteArray> lines = TranslationLineModel().roleNames();
        for (const QByteArray name : {"speaker", "originalText", "translatedText", "language", "timestamp"})
            QVERIFY2(lines.values().contains(name), name.constData());
        const QHash<int, QByteArray> recordings = RecordingListModel().roleNames();
        for (const QByteArray name : {"date", "duration", "audioFileName"})
            QVERIFY2(recordings.values().contains(name), name.constData());
        QCOMPARE(RoomLanguageModel().roleNames().value(RoomLanguageModel::CountRole), "count");
    }
};

QTEST_GUILESS_MAIN(TestListModels)
#include "tst_ListModels.moc"
