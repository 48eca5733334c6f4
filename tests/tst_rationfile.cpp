#include "core/page/rationfile.h"
#include "core/page/rationpage.h"
#include "core/page/textencoding.h"
#include "filebytes.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

Ration sample()
{
    Ration r;
    r.name = QStringLiteral("Обед: Ёлка & <ужин>");
    r.rows = {{"Бобы", "150", "124.5", "9", "0.15", "12.45", "87"},
              {"Вишня  сушёная", "10", "1.8", "0.15", "0", "7.3", "29.2"},
              {"ЩИ СУТОЧНЫЕ", "300", "270", "3", "6", "9", "90"}};
    r.totals = Ration::totalsOf(r.rows);
    return r;
}

QByteArray encoded(const QString &text, const char *encoding)
{
    QStringEncoder encoder(encoding);
    return encoder.isValid() ? QByteArray(encoder(text)) : QByteArray();
}

} // namespace

class TestRationFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Pages written by this program, by editors, and by the program's
    // predecessor in the system's 8-bit encoding all read as the same
    // ration; what the user should know of it comes with it.
    void reads_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("recoded");
        QTest::addColumn<QStringList>("warnings");
        const QString page = RationPage::fileText(sample());
        const QString recodedNote = QStringLiteral(
            "Файл записан не в UTF-8 и прочитан в кодировке %1. При сохранении он будет записан "
            "в UTF-8.");
        QTest::newRow("utf-8") << page.toUtf8() << false << QStringList();
        QTest::newRow("byte-order mark")
            << "\xef\xbb\xbf" + page.toUtf8() << false << QStringList();
        QTest::newRow("CRLF") << QString(page).replace("\n", "\r\n").toUtf8() << false
                              << QStringList();
        QTest::newRow("cp1251") << encoded(page, "windows-1251") << true
                                << QStringList{recodedNote.arg("CP1251")};
        QTest::newRow("koi8-r") << encoded(page, "KOI8-R") << true
                                << QStringList{recodedNote.arg("KOI8-R")};
        QTest::newRow("cp1251 with mark") << "\xef\xbb\xbf" + encoded(page, "windows-1251") << true
                                          << QStringList{recodedNote.arg("CP1251")};
    }
    void reads()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, recoded);
        QFETCH(QStringList, warnings);
        QVERIFY(bytes.size() > 100);
        const RationFile::LoadResult result = RationFile::fromBytes(bytes);
        QCOMPARE(result.status, RationFile::LoadResult::Ok);
        QVERIFY(result.hasTitle);
        QCOMPARE(result.ration.name, sample().name);
        QCOMPARE(result.ration.rows, sample().rows);
        QCOMPARE(result.ration.totals, sample().totals);
        QCOMPARE(result.recoded, recoded);
        QCOMPARE(result.warnings, warnings);
    }

    // Short Russian texts in each 8-bit encoding are told apart.
    void detectsEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoding");
        const QStringList texts = {"Обед",
                                   "Завтрак на двоих",
                                   "ВСЕГО:",
                                   "Сыр плавленный",
                                   "Щи, борщ и каша: ёмко",
                                   "ЩИ И КАША",
                                   "Ёж"};
        for (const QString &text : texts) {
            QTest::addRow("%s, CP1251", qPrintable(text)) << text << "CP1251";
            QTest::addRow("%s, KOI8-R", qPrintable(text)) << text << "KOI8-R";
        }
    }
    void detectsEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QString, encoding);
        const QByteArray bytes =
            encoded(text, encoding == "CP1251" ? "windows-1251" : encoding.toLatin1().constData());
        QVERIFY(!bytes.isEmpty());
        const TextEncoding::Decoded decoded = TextEncoding::decode(bytes);
        QCOMPARE(decoded.kind, TextEncoding::Decoded::EightBit);
        QCOMPARE(decoded.encoding, encoding);
        QCOMPARE(decoded.text, text);
    }

    // Bytes that are neither UTF-8 nor Russian text load with a warning and
    // with U+FFFD in place of what could not be read, never passed off as
    // text of some encoding.
    void unreadableNames()
    {
        QByteArray bytes = RationPage::MagicLine.toLatin1() + "\n<title>\n";
        for (int b = 0x80; b < 0xc0; ++b)
            bytes += char(b);
        bytes += "\n</title>\n";
        const RationFile::LoadResult result = RationFile::fromBytes(bytes);
        QCOMPARE(result.status, RationFile::LoadResult::Ok);
        QVERIFY(!result.recoded);
        QVERIFY(result.ration.name.contains(QChar::ReplacementCharacter));
        QVERIFY(!result.warnings.isEmpty());
        QVERIFY(result.warnings.first().startsWith("Кодировку файла определить не удалось"));
    }

    // A UTF-8 text with a few damaged bytes stays UTF-8, the damage marked;
    // only bytes that mostly do not form UTF-8 are an 8-bit text.
    void damagedUtf8_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text"); // empty: not compared
        const auto damaged = int(TextEncoding::Decoded::DamagedUtf8);
        const auto eightBit = int(TextEncoding::Decoded::EightBit);
        const QByteArray lunch = QStringLiteral("Обед на двоих").toUtf8();
        const QString mark = QChar(QChar::ReplacementCharacter);
        QTest::newRow("last letter cut") << lunch.chopped(1) << damaged << "Обед на двои" + mark;
        QTest::newRow("stray 0x98") << "\x98" + lunch << damaged << mark + "Обед на двоих";
        QTest::newRow("a letter's half changed")
            << QByteArray(lunch).replace(1, 1, "x") << damaged << mark + "xбед на двоих";
        QTest::newRow("surrogate half") << lunch + "\xed\xa0\x80" << damaged << QString();
        QTest::newRow("cp1251 whole")
            << encoded("Обед «Ёлка» № 1", "windows-1251") << eightBit << "Обед «Ёлка» № 1";
        QTest::newRow("cp1251 with one UTF-8 pair")
            << "\xd0\xb6" + encoded("Обед на двоих", "windows-1251") << eightBit << QString();
        QTest::newRow("koi8-r whole")
            << encoded("Щи, борщ и каша", "KOI8-R") << eightBit << "Щи, борщ и каша";
    }
    void damagedUtf8()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const TextEncoding::Decoded decoded = TextEncoding::decode(bytes);
        QTEST(int(decoded.kind), "kind");
        if (!text.isEmpty())
            QCOMPARE(decoded.text, text);
    }

    // A damaged UTF-8 page keeps its letters, says so, and is not whole:
    // the window must not write it back over the file unasked.
    void damagedPageIsNotWhole()
    {
        const QByteArray page = RationPage::fileText(sample()).toUtf8();
        QByteArray bytes = page;
        bytes.insert(page.indexOf("Бобы"), '\x98');
        const RationFile::LoadResult result = RationFile::fromBytes(bytes);
        QCOMPARE(result.ration.name, sample().name);
        QCOMPARE(result.ration.rows[0].cell(0), QString(QChar::ReplacementCharacter) + "Бобы");
        QVERIFY(result.damaged && !result.recoded && !result.whole());
        QCOMPARE(result.warnings.size(), 1);
        QVERIFY(result.warnings[0].startsWith("Файл записан в UTF-8, но местами повреждён"));
        QVERIFY(result.warnings[0].contains(u"знак «\uFFFD»"));
        QVERIFY(RationFile::fromBytes(page).whole());
    }

    void noticesDamage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<int>("rows");
        const QByteArray page = RationPage::fileText(sample()).toUtf8();
        const QString incomplete = QStringLiteral("Файл, похоже, записан не полностью: в нём нет "
                                                  "строки итогов или конца страницы.");
        const QString cut = QStringLiteral("Некоторые тексты длиннее 4096 знаков и обрезаны.");
        QTest::newRow("whole") << page << QStringList() << 3;
        QTest::newRow("no totals")
            << page.left(page.indexOf("<tr bgcolor=\"Grey\">")) << QStringList{incomplete} << 3;
        QTest::newRow("no end") << page.left(page.indexOf("</html>")) << QStringList{incomplete}
                                << 3;
        Ration longName = sample();
        longName.name = QString(5000, QChar(u'ж'));
        QTest::newRow("long name")
            << RationPage::fileText(longName).toUtf8() << QStringList{cut} << 3;
        Ration longCell = sample();
        longCell.rows[1].setCell(0, QString(1000000, QLatin1Char('&')));
        QTest::newRow("long cell")
            << RationPage::fileText(longCell).toUtf8() << QStringList{cut} << 3;
        // Row markers one after another: those inside a row's lines are
        // part of that row, not rows of their own.
        QByteArray markers = RationPage::MagicLine.toLatin1() + "\n";
        for (int i = 0; i < 42; ++i)
            markers += RationPage::RowLine.toLatin1() + "\n";
        QTest::newRow("row markers only") << markers << QStringList{incomplete} << 2;
        Ration badDish = sample();
        badDish.yield = QStringLiteral("-5");
        badDish.portions = 0;
        QTest::newRow("dish values refused")
            << RationPage::fileText(badDish).toUtf8()
            << QStringList{"Неверные данные готового блюда не загружены: выход готового блюда "
                           "«-5», число порций «0»."}
            << 3;
    }
    void noticesDamage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, warnings);
        QFETCH(int, rows);
        const RationFile::LoadResult result = RationFile::fromBytes(bytes);
        QCOMPARE(result.status, RationFile::LoadResult::Ok);
        QCOMPARE(result.warnings, warnings);
        QCOMPARE(result.ration.rows.size(), rows);
        QVERIFY(result.ration.name.size() <= RationPage::MaxTextLength);
        for (const RationRow &row : result.ration.rows) {
            for (const QString &cell : row.cells())
                QVERIFY(cell.size() <= RationPage::MaxTextLength);
        }
    }

    // The magic line must be the whole first line, whether the bytes come
    // from a file (whose first bytes are looked at before the rest is read)
    // or are at hand.
    void magicLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ration");
        const QByteArray magic = RationPage::MagicLine.toLatin1();
        QTest::newRow("alone") << magic << true;
        QTest::newRow("LF") << magic + "\n" << true;
        QTest::newRow("CR") << magic + "\r" << true;
        QTest::newRow("CRLF") << magic + "\r\n<title>\n" << true;
        QTest::newRow("after a mark") << "\xef\xbb\xbf" + magic + "\n" << true;
        QTest::newRow("more on the line") << magic + "x\n" << false;
        QTest::newRow("not first") << " " + magic + "\n" << false;
        QTest::newRow("cut") << magic.chopped(1) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("mark and CRLF")
            << "\xef\xbb\xbf" + magic + "\r\n" + QByteArray(64, 'x') << true;
        QTest::newRow("magic later") << QByteArray(40, ' ') + magic + "\n" << false;
        QTest::newRow("long page of another kind")
            << "<html>" + QByteArray(100000, 'x') + magic << false;
    }
    void magicLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ration);
        const RationFile::LoadResult result = RationFile::fromBytes(bytes);
        QCOMPARE(result.status == RationFile::LoadResult::Ok, ration);
        QCOMPARE(result.failure.isEmpty(), ration);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.html"));
        QVERIFY(writeBytes(path, bytes));
        const RationFile::LoadResult loaded = RationFile::load(path);
        QCOMPARE(loaded.status, result.status);
        QCOMPARE(loaded.failure, result.failure);
        if (ration)
            QCOMPARE(loaded.stamp, FileStamp::of(path));
    }

    void cutNeverSplitsACharacter()
    {
        Ration r = sample();
        r.name = QString(RationPage::MaxTextLength - 1, QLatin1Char('a')) + QStringLiteral("😀");
        const RationFile::LoadResult result =
            RationFile::fromBytes(RationPage::fileText(r).toUtf8());
        QCOMPARE(result.ration.name, QString(RationPage::MaxTextLength - 1, QLatin1Char('a')));
    }

    // Only plain files are read, at most 64 MB, and whatever stands at the
    // path is looked at without waiting for it.
    void loadsOnlyPlainFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("failure");
        const QString notAFile =
            QStringLiteral("Это не обычный файл: загрузить из него рацион нельзя.");
        QTest::newRow("plain") << "plain" << QString();
        QTest::newRow("link to plain") << "link" << QString();
        QTest::newRow("missing") << "missing"
                                 << "Файл не существует!";
        QTest::newRow("dangling link") << "dangling"
                                       << "Файл не существует!";
        QTest::newRow("fifo") << "fifo" << notAFile;
        QTest::newRow("link to fifo") << "link to fifo" << notAFile;
        QTest::newRow("folder") << "folder" << notAFile;
        QTest::newRow("device") << "device" << notAFile;
        QTest::newRow("too large")
            << "large"
            << "Файл слишком велик (65 МБ): загружаются файлы не больше 64 МБ.";
        QTest::newRow("other page") << "other"
                                    << "Эта интернет-страница не является документом Rationix!";
    }
    void loadsOnlyPlainFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString plain = dir.filePath("plain.html");
        QVERIFY(writeBytes(plain, RationPage::fileText(sample()).toUtf8()));
        const QString fifo = dir.filePath("pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        QString path = dir.filePath(kind);
        if (kind == "plain")
            path = plain;
        else if (kind == "link")
            QVERIFY(QFile::link(plain, path));
        else if (kind == "dangling")
            QVERIFY(QFile::link(dir.filePath("gone"), path));
        else if (kind == "fifo")
            path = fifo;
        else if (kind == "link to fifo")
            QVERIFY(QFile::link(fifo, path));
        else if (kind == "folder")
            path = dir.path();
        else if (kind == "device")
            path = QStringLiteral("/dev/zero");
        else if (kind == "large") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(RationPage::MagicLine.toLatin1() + "\n");
            QVERIFY(file.resize(RationFile::MaxFileSize + 1024 * 1024)); // sparse
        } else if (kind == "other") {
            QVERIFY(writeBytes(path, "<html>\n</html>\n"));
        }
        const RationFile::LoadResult result = RationFile::load(path);
        QCOMPARE(result.failure, failure);
        if (failure.isEmpty()) {
            QCOMPARE(result.status, RationFile::LoadResult::Ok);
            QCOMPARE(result.ration.rows, sample().rows);
        } else {
            QCOMPARE(result.status, RationFile::LoadResult::Refused);
        }
    }

    // Characters usual in Russian text cost nothing; anything else counts
    // against the encoding that produced it.
    void russianScore_data()
    {
        QTest::addColumn<QString>("better");
        QTest::addColumn<QString>("worse");
        QTest::newRow("lower-case beats capitals") << "обед"
                                                   << "ОБЕД";
        QTest::newRow("common letters beat rare") << "оно"
                                                  << "щъэ";
        QTest::newRow("letters beat box drawing") << "ОБЕД"
                                                  << "ОБЕ║";
        QTest::newRow("capital after small letter") << "Обед"
                                                    << "нАЕД";
        QTest::newRow("quotes and dashes are fine") << "«а» — а"
                                                    << "а";
    }
    void russianScore()
    {
        QFETCH(QString, better);
        QFETCH(QString, worse);
        QVERIFY(TextEncoding::russianScore(better) > TextEncoding::russianScore(worse));
    }
};

QTEST_GUILESS_MAIN(TestRationFile)
#include "tst_rationfile.moc"
