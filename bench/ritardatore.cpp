// A relay in front of a PostgreSQL server's socket that holds every answer of
// the server for a while before passing it on, as a lab's server far away or
// overloaded would: what the client sends goes on at once.
//
//   ritardatore <socket to listen on> <server's socket> <delay in ms>
//
// libpq reaches a socket "<folder>/.s.PGSQL.<port>" as host <folder>, port
// <port>. Prints "pronto" once it listens.

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cstdio>

namespace {

// One client and its own connection to the server.
void collega(QLocalSocket *cliente, const QString &server, int ritardo)
{
    auto *verso = new QLocalSocket(cliente);
    verso->connectToServer(server);
    if (!verso->waitForConnected(1000)) {
        cliente->abort();
        cliente->deleteLater();
        return;
    }
    QObject::connect(cliente, &QLocalSocket::readyRead, verso, [cliente, verso] { verso->write(cliente->readAll()); });
    QObject::connect(verso, &QLocalSocket::readyRead, cliente, [cliente, verso, ritardo] {
        // Timers of one length fire in the order they were started: the answers keep theirs.
        QTimer::singleShot(ritardo, Qt::PreciseTimer, cliente,
                           [cliente, risposta = verso->readAll()] { cliente->write(risposta); });
    });
    QObject::connect(cliente, &QLocalSocket::disconnected, cliente, &QObject::deleteLater);
    QObject::connect(verso, &QLocalSocket::disconnected, cliente, [cliente, ritardo] {
        QTimer::singleShot(ritardo, Qt::PreciseTimer, cliente, [cliente] { cliente->disconnectFromServer(); });
    });
    verso->write(cliente->readAll());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString ascolto = QString::fromLocal8Bit(argv[1]);
    const QString server = QString::fromLocal8Bit(argv[2]);
    const int ritardo = std::atoi(argv[3]);
    QLocalServer::removeServer(ascolto);
    QLocalServer relay;
    relay.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!relay.listen(ascolto))
        return 1;
    QObject::connect(&relay, &QLocalServer::newConnection, &relay, [&relay, &server, ritardo] {
        while (QLocalSocket *cliente = relay.nextPendingConnection())
            collega(cliente, server, ritardo);
    });
    std::puts("pronto");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
