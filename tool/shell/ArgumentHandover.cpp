#include "shell/ArgumentHandover.h"

#include "fs/FileUtils.h"
#include "fs/NativeFs.h"
#include "fs/NativeText.h"
#include "journal/ChangeJournal.h"
#include "shell/MainActions.h"
#include "shell/Settings.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace {

constexpr int ConnectMs = 1000;
// The running copy answers from its event loop, which a long piece of work may hold up for a while.
constexpr int ReplyMs = 5000;
// A path, with room to spare: anything longer is no argument of ours.
constexpr qint64 MaxMessageBytes = 64 * 1024;
const QByteArray Taken = QByteArrayLiteral("1");

QString RuntimeFolder() {
    const QString runtime = FromNative(qgetenv("XDG_RUNTIME_DIR"));
    if (runtime.startsWith('/') && QFileInfo(runtime).isDir())
        return WithBackslash(runtime);
    return WithBackslash(QDir::tempPath());
}

// Someone listens there: the name belongs to a live copy.
bool Answers(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(ConnectMs);
}

} // namespace

ArgumentHandover::ArgumentHandover(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &ArgumentHandover::Accept);
}

QString ArgumentHandover::ServerName(const QString& flyFolder) {
    const QString journal = ChangeJournal(flyFolder).Folder();
    if (journal.isEmpty())
        return {};
    // Short: a socket's path has a limit of about a hundred bytes.
    const QByteArray hash = QCryptographicHash::hash(ToNative(journal), QCryptographicHash::Sha256);
    return RuntimeFolder() + QStringLiteral("flykestrel-") + QString::fromLatin1(hash.toHex().left(16));
}

bool ArgumentHandover::HandOver(const QString& flyFolder, const QString& argument) {
    const QString name = ServerName(flyFolder);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectMs))
        return false;
    QDataStream out(&socket);
    out.setVersion(QDataStream::Qt_6_0);
    out << argument;
    // Waiting for the answer writes what is still to write.
    while (socket.bytesAvailable() < Taken.size())
        if (!socket.waitForReadyRead(ReplyMs))
            return false;
    return socket.read(Taken.size()) == Taken;
}

bool ArgumentHandover::HandStartArgumentOver(const Settings& settings) {
    if (!StartArgumentIsSource(settings) || !FileExists(settings.FlyExePath))
        return false;
    return HandOver(WithBackslash(FolderOfFile(settings.FlyExePath)),
                    QFileInfo(settings.StartArgument).absoluteFilePath());
}

bool ArgumentHandover::Listen(const QString& flyFolder) {
    Close();
    const QString name = ServerName(flyFolder);
    if (name.isEmpty())
        return false;
    if (server_.listen(name))
        return true;
    if (server_.serverError() != QAbstractSocket::AddressInUseError || Answers(name))
        return false;
    (void)QLocalServer::removeServer(name);
    return server_.listen(name);
}

void ArgumentHandover::Close() {
    server_.close();
}

void ArgumentHandover::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(*socket); });
    }
}

void ArgumentHandover::Read(QLocalSocket& socket) {
    if (socket.bytesAvailable() > MaxMessageBytes) {
        socket.abort();
        return;
    }
    QDataStream in(&socket);
    in.setVersion(QDataStream::Qt_6_0);
    in.startTransaction();
    QString argument;
    in >> argument;
    if (!in.commitTransaction())
        return;
    socket.write(Taken);
    socket.disconnectFromServer();
    emit ArgumentArrived(argument);
}
