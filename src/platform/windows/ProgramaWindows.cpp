#include "platform/Programa.h"

#include "platform/LerAteOFim.h"
#include "platform/windows/ApiWindows.h"

#include <QDir>

#include <shlobj.h>

#include <string>

namespace rodaleque::platform {

namespace {

// The folder and a name in it, with one separator between them even at a drive's root.
QString juntar(const QString& pasta, const QString& nome) {
    return pasta.endsWith(u'\\') ? pasta + nome : pasta + u'\\' + nome;
}

// Whether this process can make and remove a file there, the rights that the first append of
// a series asks for: only trying says so, since the folder's attributes tell nothing of its
// access list. The probe vanishes with its handle, even if the program dies right after.
bool podeGravarEm(const QString& pasta) {
    const QString base = juntar(pasta, QStringLiteral(".rodaleque-teste-") +
                                           QString::number(GetCurrentProcessId()) + u'-');
    for (int tentativa = 0; tentativa < 4; ++tentativa) {
        const std::wstring nome = (base + QString::number(tentativa)).toStdWString();
        HANDLE sonda = CreateFileW(
            nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
            FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (sonda != INVALID_HANDLE_VALUE) {
            CloseHandle(sonda);
            return true;
        }
        // Only a name left by someone else is worth another try.
        if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

// A folder the shell knows by its identifier; the user's own folder when it cannot say.
QString pastaConhecida(REFKNOWNFOLDERID qual, DWORD opcoes) {
    PWSTR caminho = nullptr;
    QString pasta;
    if (SUCCEEDED(SHGetKnownFolderPath(qual, opcoes, nullptr, &caminho)))
        pasta = QString::fromWCharArray(caminho);
    // Freed whether or not the call succeeded, as the shell asks.
    CoTaskMemFree(caminho);
    if (pasta.isEmpty())
        pasta = QDir::toNativeSeparators(QDir::homePath());
    return pasta;
}

// The executable's full path, long paths included: the buffer grows until the name fits.
QString caminhoDoExecutavel() {
    std::wstring exe(MAX_PATH, L'\0');
    while (true) {
        const DWORD n = GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
        if (n == 0)
            return QString();
        if (n < exe.size()) {
            exe.resize(n);
            return QString::fromStdWString(exe);
        }
        if (exe.size() >= 32768)
            return QString();
        exe.resize(exe.size() * 2);
    }
}

} // namespace

QString Programa::pasta() {
    const QString caminho = caminhoDoExecutavel();
    const qsizetype barra = caminho.lastIndexOf(u'\\');
    if (barra < 0)
        return QString();
    // A drive's root keeps its backslash ("C:\"); any other folder has none at the end.
    const QString pasta = caminho.left(barra);
    return pasta.endsWith(u':') ? pasta + u'\\' : pasta;
}

std::optional<QByteArray> Programa::lerExecutavel() {
    // Windows keeps a running executable from being written or replaced, so the file at its
    // path is the one this process runs.
    const QString caminho = caminhoDoExecutavel();
    if (caminho.isEmpty())
        return std::nullopt;
    return lerPorQFile(caminho);
}

QString Programa::separador() {
    return QStringLiteral("\\");
}

QString Programa::pastaDeDados() {
    return juntar(pastaConhecida(FOLDERID_LocalAppData, KF_FLAG_DEFAULT),
                  QStringLiteral("Rodaleque"));
}

QString Programa::pastaDeConfiguracao() { return pastaDeDados(); }

QString PastaDeResultadosDoSistema::pasta() {
    // A folder that is there but cannot be written (an installed program, under Program Files)
    // sends the files to the documents.
    if (!pastaDoPrograma_.isEmpty() && podeGravarEm(pastaDoPrograma_))
        return pastaDoPrograma_;
    const QString pasta =
        juntar(pastaConhecida(FOLDERID_Documents, KF_FLAG_CREATE), QStringLiteral("Rodaleque"));
    // If it cannot be made either, the first append there fails and the operator is told.
    CreateDirectoryW(pasta.toStdWString().c_str(), nullptr);
    return pasta;
}

} // namespace rodaleque::platform
