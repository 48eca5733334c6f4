#include "files/rationfile.h"

#include "files/rationpage.h"
#include "files/textencoding.h"
#include "trcontext.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RationFile {

TR_CONTEXT(RationFile)

namespace {

constexpr qint64 Megabyte = qint64(1024) * 1024;

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
    bytes->resize(qsizetype(st.st_size));
    qsizetype done = 0;
    while (done < bytes->size()) {
        const ssize_t n = ::read(fd, bytes->data() + done, size_t(bytes->size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = LoadResult::ReadError;
            result.failure = tr("Ошибка чтения файла!");
            break;
        }
        if (n == 0)
            break;
        done += n;
    }
    bytes->truncate(done);
    ::close(fd);
    return result;
}

// Where the page's body starts: after the magic line, which must come
// first; -1 when it does not.
qsizetype startOfBody(const QByteArray &bytes)
{
    const QByteArray magic = RationPage::MagicLine.toLatin1();
    if (!bytes.startsWith(magic))
        return -1;
    const QByteArrayView rest = QByteArrayView(bytes).sliced(magic.size());
    if (rest.isEmpty() || rest == "\r")
        return bytes.size();
    if (rest.startsWith("\r\n"))
        return magic.size() + 2;
    return rest.startsWith('\n') ? magic.size() + 1 : -1;
}

} // namespace

LoadResult fromBytes(QByteArray bytes)
{
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes.remove(0, 3);
    const qsizetype bodyStart = startOfBody(bytes);
    if (bodyStart < 0)
        return refused(tr("Эта интернет-страница не является документом Rationix!"));

    const TextEncoding::Decoded decoded = TextEncoding::decode(bytes.mid(bodyStart));
    bytes.clear();
    const RationPage::ReadResult page = RationPage::readBody(decoded.text);
    LoadResult result;
    result.status = LoadResult::Ok;
    result.hasTitle = page.hasTitle;
    result.ration = page.ration;
    if (decoded.kind == TextEncoding::Decoded::EightBit) {
        result.recoded = true;
        result.warnings.append(tr("Файл записан не в UTF-8 и прочитан в кодировке %1. "
                                  "При сохранении он будет записан в UTF-8.")
                                   .arg(decoded.encoding));
    } else if (decoded.kind == TextEncoding::Decoded::Unreadable) {
        result.warnings.append(tr("Кодировку файла определить не удалось: некоторые названия "
                                  "прочитать нельзя, вместо нечитаемых букв стоит знак «%1».")
                                   .arg(QChar::ReplacementCharacter));
    }
    result.cut = page.cut;
    if (page.cut)
        result.warnings.append(
            tr("Некоторые тексты длиннее %1 знаков и обрезаны.").arg(RationPage::MaxTextLength));
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
    if (result.status == LoadResult::Ok && file.status == LoadResult::ReadError) {
        result.status = LoadResult::ReadError;
        result.failure = file.failure;
    }
    return result;
}

} // namespace RationFile
