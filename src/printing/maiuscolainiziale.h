#pragma once

#include <QString>

/**
 * The name as the certificate writes it: the first character in upper case,
 * every other character in lower case, by the Unicode case rules ("nicolò
 * ROSSI" gives "Nicolò rossi", "èlia" gives "Èlia"). A character outside the
 * basic plane counts as one character. An empty name stays empty.
 */
QString MaiuscolaIniziale(const QString &nome);
