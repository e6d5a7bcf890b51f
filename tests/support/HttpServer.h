#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// A small HTTP server on 127.0.0.1 for the tests, answering on its own thread while the
// program's blocking request runs on the test's thread.
class HttpServer {
public:
    enum class Behaviour { Answer, CloseMidBody, Silent, Endless };
    struct Reply {
        Behaviour behaviour = Behaviour::Answer;
        QByteArray raw; // the whole answer, status line included
    };
    using Handler = std::function<Reply(const QByteArray& requestLine)>;

    explicit HttpServer(Handler handler);
    ~HttpServer();
    int port() const { return m_port; }
    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    std::vector<QByteArray> requests() const;

    static Reply ok(const QByteArray& body, const QByteArray& status = "200 OK",
                    const QByteArray& headers = QByteArray());

private:
    void run();
    Handler m_handler;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<QByteArray> m_requests;
    std::thread m_thread;
};
