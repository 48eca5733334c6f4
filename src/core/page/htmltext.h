#pragma once

#include <QString>

// Texts of a ration inside its HTML page: '&', '<', '>' and '"' are written
// as entities, and read back from exactly those entities, so any name or
// cell survives the round trip and no text is taken for markup.
namespace HtmlText {

QString escape(const QString &text);
QString unescape(const QString &text);

} // namespace HtmlText
