#include "filelivelli.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace {

QByteArray numeroStampato(std::int16_t numero)
{
    // A sign place (blank or "-"), the digits, one trailing blank.
    const QByteArray cifre = QByteArray::number(numero < 0 ? -static_cast<int>(numero) : numero);
    return (numero < 0 ? QByteArray("-") : QByteArray(" ")) + cifre + ' ';
}

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

bool fineCampo(char c)
{
    return c == ',' || c == '\r' || c == '\n' || blank(c);
}

// A whole number within 16 bits: an optional sign, then digits only.
std::optional<std::int16_t> comeNumero(const QByteArray &campo)
{
    int i = (campo.startsWith('-') || campo.startsWith('+')) ? 1 : 0;
    if (i == campo.size())
        return std::nullopt;
    long valore = 0;
    for (; i < campo.size(); ++i) {
        const char c = campo[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        valore = valore * 10 + (c - '0');
        if (valore > 32768)
            return std::nullopt;
    }
    if (campo.startsWith('-'))
        valore = -valore;
    if (valore < std::numeric_limits<std::int16_t>::min() || valore > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(valore);
}

// One numeric field from position pos on; moves pos past it and its separator.
std::optional<std::int16_t> leggiCampo(const QByteArray &testo, int &pos)
{
    const int n = static_cast<int>(testo.size());
    while (pos < n && (blank(testo[pos]) || testo[pos] == '\r' || testo[pos] == '\n'))
        ++pos;
    if (pos >= n)
        return std::nullopt;
    const int inizio = pos;
    while (pos < n && !fineCampo(testo[pos]))
        ++pos;
    const QByteArray campo = testo.mid(inizio, pos - inizio);
    // Past the field: blanks, then at most one comma.
    while (pos < n && blank(testo[pos]))
        ++pos;
    if (pos < n && testo[pos] == ',')
        ++pos;
    if (campo.isEmpty())
        return std::int16_t{0}; // an empty field between two commas reads as 0
    return comeNumero(campo);
}

bool soloLettura(const QFileInfo &info)
{
    // No write bit at all means read-only for everyone, root included: a
    // teacher who locked the file or the folder wants it left alone.
    constexpr auto scrittura = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & scrittura);
}

// Qt turns a relative name into an absolute one through the current folder's
// name as text, which a folder named in another encoding (Latin-1 bytes on an
// old USB stick) does not survive; the kernel's own link to the current folder
// reaches it whatever its name.
QString nellaCartellaCorrente(const QString &percorso)
{
    return QDir::isRelativePath(percorso) ? QStringLiteral("/proc/self/cwd/") + percorso : percorso;
}

} // namespace

QString nomeFileLivelli(const QString &nomeProgramma)
{
    return nomeProgramma + QStringLiteral(".dat");
}

QByteArray testoLivelli(std::int16_t operazione, std::int16_t gruppo)
{
    return numeroStampato(operazione) + numeroStampato(gruppo) + "\r\n";
}

LivelliLetti interpretaLivelli(const QByteArray &testo)
{
    LivelliLetti letti;
    int pos = 0;
    letti.operazione = leggiCampo(testo, pos);
    if (letti.operazione)
        letti.gruppo = leggiCampo(testo, pos);
    return letti;
}

LivelliLetti leggiFileLivelli(const QString &nome)
{
    const QString percorso = nellaCartellaCorrente(nome);
    QFile file(percorso);
    if (!QFileInfo(percorso).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    // Blanks and line ends before the first number are skipped however many
    // they are, as the classic input does; from the first other byte on at
    // most massimoLetto bytes are read.
    for (QByteArray blocco = file.read(massimoLetto); !blocco.isEmpty(); blocco = file.read(massimoLetto)) {
        qsizetype primo = 0;
        while (primo < blocco.size() && (blank(blocco[primo]) || blocco[primo] == '\r' || blocco[primo] == '\n'))
            ++primo;
        if (primo < blocco.size())
            return interpretaLivelli(blocco.mid(primo) + file.read(primo));
    }
    return {};
}


bool scriviFileLivelli(const QString &nome, std::int16_t operazione, std::int16_t gruppo)
{
    const QString percorso = nellaCartellaCorrente(nome);
    const QFileInfo info(percorso);
    if (info.exists() && (!info.isFile() || soloLettura(info)))
        return false;
    if (soloLettura(QFileInfo(info.path())))
        return false;
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray riga = testoLivelli(operazione, gruppo);
    if (file.write(riga) != riga.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
