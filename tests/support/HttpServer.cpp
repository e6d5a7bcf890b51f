#include "HttpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

HttpServer::Reply HttpServer::ok(const QByteArray& body, const QByteArray& status, const QByteArray& headers) {
    Reply r;
    r.raw = "HTTP/1.0 " + status + "\r\nContent-Type: text/html\r\nContent-Length: " + QByteArray::number(body.size()) +
            "\r\n" + headers + "\r\n" + body;
    return r;
}

HttpServer::HttpServer(Handler handler) : m_handler(std::move(handler)) {
    m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    ::bind(m_listen, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(m_listen, 16);
    socklen_t len = sizeof a;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&a), &len);
    m_port = ntohs(a.sin_port);
    m_thread = std::thread([this] { run(); });
}

HttpServer::~HttpServer() {
    m_stop = true;
    m_thread.join();
    ::close(m_listen);
}

std::vector<QByteArray> HttpServer::requests() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

void HttpServer::run() {
    while (!m_stop) {
        pollfd p{m_listen, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0)
            continue;
        const int c = ::accept(m_listen, nullptr, nullptr);
        if (c < 0)
            continue;
        QByteArray request;
        char buf[4096];
        while (!request.contains("\r\n\r\n")) {
            pollfd q{c, POLLIN, 0};
            if (::poll(&q, 1, 2000) <= 0)
                break;
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            request.append(buf, int(n));
        }
        const QByteArray line = request.left(request.indexOf("\r\n"));
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_requests.push_back(request);
        }
        const Reply r = m_handler(line);
        switch (r.behaviour) {
        case Behaviour::Answer: ::send(c, r.raw.constData(), size_t(r.raw.size()), MSG_NOSIGNAL); break;
        case Behaviour::CloseMidBody:
            ::send(c, r.raw.constData(), size_t(r.raw.size()) / 2, MSG_NOSIGNAL);
            ::shutdown(c, SHUT_RDWR);
            break;
        case Behaviour::Silent: {
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
            while (!m_stop && std::chrono::steady_clock::now() < until) {
                char b;
                pollfd q{c, POLLIN, 0};
                if (::poll(&q, 1, 50) > 0 && ::recv(c, &b, 1, MSG_PEEK) == 0)
                    break; // the client gave up
            }
            break;
        }
        case Behaviour::Endless: {
            const QByteArray head = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n";
            ::send(c, head.constData(), size_t(head.size()), MSG_NOSIGNAL);
            const QByteArray chunk(64 * 1024, 'a');
            for (int i = 0; i < 4096 && !m_stop; ++i)
                if (::send(c, chunk.constData(), size_t(chunk.size()), MSG_NOSIGNAL) < 0)
                    break;
            break;
        }
        }
        ::close(c);
    }
}
