#include "core/platform/systemerror.h"

#include "core/platform/trcontext.h"

#include <cerrno>
#include <cstring>

namespace SystemError {

TR_CONTEXT(SystemError)

QString reason(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return tr("недостаточно места на диске");
    case EACCES:
    case EPERM: return tr("нет прав доступа");
    case EROFS: return tr("файловая система доступна только для чтения");
    case ENOENT: return tr("папка не существует");
    case ENOTDIR: return tr("часть пути не является папкой");
    case EFBIG: return tr("файл слишком велик");
    case EIO: return tr("ошибка ввода-вывода");
    case EISDIR: return tr("это папка");
    case ENAMETOOLONG: return tr("слишком длинное имя файла");
    default: break;
    }
    return tr("ошибка системы (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace SystemError
