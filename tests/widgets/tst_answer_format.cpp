// The answer format is one choice for the program, kept between runs in the settings file; a
// file it cannot use gives Decimal with 2 places and never stops the program.

#include "support/rows.h"
#include "widgets/answer_format.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(AnswerStyle)

namespace {

enum class Setup { Missing, Written, ReadOnly, Folder };

} // namespace

Q_DECLARE_METATYPE(Setup)

class AnswerFormatTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(folder.isValid()); }

    void readsTheSettingsFile_data();
    void readsTheSettingsFile();
    void choiceOutlivesTheProgram_data();
    void choiceOutlivesTheProgram();
    void sameChoiceChangesNothing();

private:
    // A file of its own for every row: QSettings keeps what it read of a file whose size and
    // time have not changed, and a row's file may match the last one's in both.
    static QString name() { return QString::fromLatin1(QTest::currentDataTag()) + ".conf"; }
    QString file() const { return folder.filePath(name()); }
    QTemporaryDir folder;
};

void AnswerFormatTest::readsTheSettingsFile_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<AnswerStyle>("style");
    QTest::addColumn<int>("places");
    const auto rounded = AnswerStyle::Rounded;
    const auto decimal = AnswerStyle::Decimal;
    const QByteArray three = "[answers]\nformat=Rounded\ndecimalPlaces=3\n";
    row("missing file", Setup::Missing, QByteArray(), decimal, 2);
    row("empty file", Setup::Written, QByteArray(), decimal, 2);
    row("rounded to 3", Setup::Written, three, rounded, 3);
    row("exact", Setup::Written, QByteArray("[answers]\nformat=Exact\n"), AnswerStyle::Exact, 2);
    row("read-only empty file", Setup::ReadOnly, QByteArray(), decimal, 2);
    row("read-only file, still read", Setup::ReadOnly, three, rounded, 3);
    row("a folder in its place", Setup::Folder, QByteArray(), decimal, 2);
    row("damaged file", Setup::Written, QByteArray("\x00\xff[[answers\n=\x01", 14), decimal, 2);
    row("unknown format", Setup::Written, QByteArray("[answers]\nformat=Fancy\ndecimalPlaces=3\n"),
        decimal, 2);
    row("format in another case", Setup::Written, QByteArray("[answers]\nformat=rounded\n"),
        decimal, 2);
    row("places beyond 10", Setup::Written,
        QByteArray("[answers]\nformat=Rounded\ndecimalPlaces=11\n"), decimal, 2);
    row("negative places", Setup::Written,
        QByteArray("[answers]\nformat=Rounded\ndecimalPlaces=-1\n"), decimal, 2);
    row("places not a number", Setup::Written,
        QByteArray("[answers]\nformat=Rounded\ndecimalPlaces=two\n"), decimal, 2);
}

void AnswerFormatTest::readsTheSettingsFile()
{
    QFETCH(Setup, setup);
    QFETCH(QByteArray, contents);
    QFETCH(AnswerStyle, style);
    QFETCH(int, places);
    if (setup == Setup::Folder) {
        QVERIFY(QDir(folder.path()).mkdir(name()));
    } else if (setup != Setup::Missing) {
        QFile written(file());
        QVERIFY(written.open(QIODevice::WriteOnly));
        written.write(contents);
        written.close();
        if (setup == Setup::ReadOnly)
            written.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    AnswerFormat format(file());
    QCOMPARE(format.choice(), (AnswerChoice{style, places}));

    // A file that cannot take the new choice only forgets it: this run keeps it.
    const bool writable =
        setup != Setup::Folder && (setup == Setup::Missing || QFileInfo(file()).isWritable());
    QSignalSpy changed(&format, &AnswerFormat::changed);
    const AnswerChoice chosen{AnswerStyle::Rounded, 7};
    format.setChoice(chosen);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(format.choice(), chosen);
    QCOMPARE(AnswerFormat(file()).choice(), (writable ? chosen : AnswerChoice{style, places}));
}

void AnswerFormatTest::choiceOutlivesTheProgram_data()
{
    QTest::addColumn<AnswerStyle>("style");
    QTest::addColumn<int>("places");
    row("rounded to 0", AnswerStyle::Rounded, 0);
    row("rounded to 10", AnswerStyle::Rounded, 10);
    row("exact", AnswerStyle::Exact, 2);
    row("back to decimal", AnswerStyle::Decimal, 4);
}

void AnswerFormatTest::choiceOutlivesTheProgram()
{
    QFETCH(AnswerStyle, style);
    QFETCH(int, places);
    QFile::remove(file());
    AnswerFormat(file()).setChoice({AnswerStyle::Rounded, 5});
    AnswerFormat(file()).setChoice({style, places});
    QCOMPARE(AnswerFormat(file()).choice(), (AnswerChoice{style, places}));
}

void AnswerFormatTest::sameChoiceChangesNothing()
{
    QFile::remove(file());
    AnswerFormat format(file());
    QSignalSpy changed(&format, &AnswerFormat::changed);
    format.setChoice({});
    QCOMPARE(changed.size(), 0);
    QVERIFY(!QFileInfo::exists(file()));
}

QTEST_GUILESS_MAIN(AnswerFormatTest)
#include "tst_answer_format.moc"
