#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;
struct Settings;

// One copy of the tool per simulator folder takes the start arguments: the copy that holds the folder
// listens on a local socket named after it, and a copy started later on that folder with an add-on source
// as argument hands the argument over there and ends without a window.
class ArgumentHandover final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArgumentHandover)
  public:
    explicit ArgumentHandover(QObject* parent = nullptr);

    // The socket of flyFolder's copy: in $XDG_RUNTIME_DIR (else the temporary folder), named after the
    // folder's journal of changes, so one per user and folder; empty when the journal has no place.
    static QString ServerName(const QString& flyFolder);
    // Hands argument to the copy listening for flyFolder; true once that copy said it took it.
    static bool HandOver(const QString& flyFolder, const QString& argument);
    // At start-up: a start argument that names an add-on source goes, made absolute, to the copy that runs
    // on the stored simulator folder; true when it took it (this copy then ends).
    static bool HandStartArgumentOver(const Settings& settings);

    // Listens for flyFolder from now on, giving up the folder listened for before; a socket left by a copy
    // that was killed is taken over. False when another copy answers there or the socket can't be made.
    bool Listen(const QString& flyFolder);
    void Close();
    bool listening() const { return server_.isListening(); }

  signals:
    // A copy started later handed its argument over.
    void ArgumentArrived(const QString& argument);

  private:
    void Accept();
    void Read(QLocalSocket& socket);

    QLocalServer server_;
};
