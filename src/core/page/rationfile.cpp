#include "core/page/rationfile.h"

#include "core/page/rationpage.h"
#include "core/page/textencoding.h"
#include "core/platform/trcontext.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RationFile {

TR_CONTEXT(RationFile)

namespace {

constexpr qint64 Megabyte = qint64(1024) * 1024;

constexpr char ByteOrderMark[] = "\xef\xbb\xbf";
constexpr qsizetype MarkSize = sizeof(ByteOrderMark) - 1;

QByteArrayView withoutMark(QByteArrayView bytes)
{
    return bytes.startsWith(ByteOrderMark) ? bytes.sliced(MarkSize) : bytes;
}

// Enough of a file's start to tell whether it is a ration page: a
// byte-order mark, the magic line and the two bytes after it that hold its
// line break. A head that long never ends right after the magic line, so
// it is judged as the whole file would be.
qsizetype headSize() { return MarkSize + RationPage::MagicLine.size() + 2; }

// Where the page's body starts: after the magic line, which must come
// first; -1 when it does not.
qsizetype startOfBody(QByteArrayView bytes)
{
    const QByteArray magic = RationPage::MagicLine.toLatin1();
    if (!bytes.startsWith(magic))
        return -1;
    const QByteArrayView rest = bytes.sliced(magic.size());
    if (rest.isEmpty() || rest == "\r")
        return bytes.size();
    if (rest.startsWith("\r\n"))
        return magic.size() + 2;
    return rest.startsWith('\n') ? magic.size() + 1 : -1;
}

LoadResult refused(const QString &failure)
{
    LoadResult result;
    result.failure = failure;
    return result;
}

// Reads a whole plain file. The file is opened without waiting, so that a
// FIFO put in its place cannot block the program, and checked once open.
LoadResult readFile(const QString &path, QByteArray *bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return refused(tr("Файл не существует!"));
        return refused(tr("Ошибка чтения файла!"));
    }
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refused(tr("Это не обычный файл: загрузить из него рацион нельзя."));
    }
    if (st.st_size > MaxFileSize) {
        ::close(fd);
        return refused(tr("Файл слишком велик (%1 МБ): загружаются файлы не больше %2 МБ.")
                           .arg(qint64(st.st_size) / Megabyte)
                           .arg(MaxFileSize / Megabyte));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    LoadResult result;
    result.status = LoadResult::Ok;
    result.stamp = FileStamp::of(st);
    const qsizetype size = qsizetype(st.st_size);
    const qsizetype head = std::min(size, headSize());
    bytes->resize(head);
    qsizetype done = 0;
    // Up to `end`; false on an error.
    const auto readTo = [&](qsizetype end) {
        while (done < end) {
            const ssize_t n = ::read(fd, bytes->data() + done, size_t(end - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return false;
            if (n == 0)
                break;
            done += n;
        }
        return true;
    };
    // The rest is read only after a head that starts a ration page: a file
    // of another kind, however large, is left at its head for fromBytes to
    // refuse.
    bool ok = readTo(head);
    if (ok && done == head && startOfBody(withoutMark(*bytes)) >= 0) {
        bytes->resize(size);
        ok = readTo(size);
    }
    if (!ok) {
        result.status = LoadResult::ReadError;
        result.failure = tr("Ошибка чтения файла!");
    }
    bytes->truncate(done);
    ::close(fd);
    return result;
}

} // namespace

LoadResult fromBytes(QByteArray bytes)
{
    const QByteArrayView content = withoutMark(bytes);
    const qsizetype bodyStart = startOfBody(content);
    if (bodyStart < 0)
        return refused(tr("Эта интернет-страница не является документом Rationix!"));

    // Most files are plain UTF-8, read as they are; others are decoded whole.
    const QByteArrayView body = content.sliced(bodyStart);
    TextEncoding::Decoded decoded;
    RationPage::ReadResult page;
    if (TextEncoding::isPlainUtf8(body)) {
        page = RationPage::readUtf8Body(body);
    } else {
        decoded = TextEncoding::decode(body);
        bytes.clear();
        page = RationPage::readBody(decoded.text);
        decoded.text.clear();
    }
    LoadResult result;
    result.status = LoadResult::Ok;
    result.hasTitle = page.hasTitle;
    result.ration = std::move(page.ration);
    if (decoded.kind == TextEncoding::Decoded::EightBit) {
        result.recoded = true;
        result.warnings.append(tr("Файл записан не в UTF-8 и прочитан в кодировке %1. "
                                  "При сохранении он будет записан в UTF-8.")
                                   .arg(decoded.encoding));
    } else if (decoded.kind == TextEncoding::Decoded::DamagedUtf8) {
        result.damaged = true;
        result.warnings.append(
            tr("Файл записан в UTF-8, но местами повреждён: вместо испорченных букв стоит знак "
               "«%1». Чтобы файл не был перезаписан испорченным текстом, при сохранении будет "
               "предложено выбрать файл.")
                .arg(QChar(QChar::ReplacementCharacter)));
    } else if (decoded.kind == TextEncoding::Decoded::Unreadable) {
        result.warnings.append(tr("Кодировку файла определить не удалось: некоторые названия "
                                  "прочитать нельзя, вместо нечитаемых букв стоит знак «%1».")
                                   .arg(QChar(QChar::ReplacementCharacter)));
    }
    result.cut = page.cut;
    if (page.cut)
        result.warnings.append(
            tr("Некоторые тексты длиннее %1 знаков и обрезаны.").arg(RationPage::MaxTextLength));
    if (!page.ignored.isEmpty())
        result.warnings.append(tr("Неверные данные готового блюда не загружены: %1.")
                                   .arg(page.ignored.join(QStringLiteral(", "))));
    if (!page.complete)
        result.warnings.append(tr("Файл, похоже, записан не полностью: в нём нет строки итогов "
                                  "или конца страницы."));
    return result;
}

LoadResult load(const QString &path)
{
    QByteArray bytes;
    LoadResult file = readFile(path, &bytes);
    if (file.status == LoadResult::Refused)
        return file;
    LoadResult result = fromBytes(std::move(bytes));
    result.stamp = file.stamp;
    if (result.status == LoadResult::Ok && file.status == LoadResult::ReadError) {
        result.status = LoadResult::ReadError;
        result.failure = file.failure;
    }
    return result;
}

} // namespace RationFile
