#pragma once

#include <QString>

// Why an operation on a file failed, in words for the user.
namespace SystemError {

// The common reasons in Russian ("недостаточно места на диске", ...);
// any other error as "ошибка системы" followed by the system's own text.
QString reason(int error);

} // namespace SystemError
