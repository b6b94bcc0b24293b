#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The settings file: one line with the operation trained and the objective
// group, kept in the current folder under the program's name plus ".dat".

/** The settings file's name for a program of that name. */
QString nomeFileLivelli(const QString &nomeProgramma);

/** The line written for the two numbers: " 1  2 " and CR LF for 1 and 2. */
QByteArray testoLivelli(std::int16_t operazione, std::int16_t gruppo);

/** The numbers found at the start of a settings text; a missing one stays empty. */
struct LivelliLetti final
{
    std::optional<std::int16_t> operazione;
    std::optional<std::int16_t> gruppo;
};

/**
 * Reads two numeric fields as the classic sequential input does: separated by
 * blanks, commas or line ends, blanks around them ignored. Reading stops at the
 * first field that is not a whole number within 16 bits.
 */
LivelliLetti interpretaLivelli(const QByteArray &testo);

/** The most of a settings file read after its leading blanks; the rest is ignored. */
constexpr qint64 massimoLetto = 4096;

/** Reads the settings file; a relative name lies in the current folder, whatever bytes that
    folder's name holds. Nothing comes back when it cannot be opened. */
LivelliLetti leggiFileLivelli(const QString &nome);

/**
 * Writes the settings file (a relative name as for reading) whole or not at
 * all: a temporary file in the same folder takes its place. A read-only file or
 * folder is left as it is.
 * Returns false when nothing was written.
 */
bool scriviFileLivelli(const QString &nome, std::int16_t operazione, std::int16_t gruppo);
