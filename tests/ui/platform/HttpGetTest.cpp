#include "ui/platform/HttpGet.h"

#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

// A one-shot HTTP server on 127.0.0.1 in its own thread: it reads one request, then sends the
// prepared answer and closes, or, with no answer prepared, holds the connection until stopped.
class LoopbackServer {
public:
    explicit LoopbackServer(std::string answer, bool answers = true)
        : answer_(std::move(answer)), answers_(answers) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 1);
        socklen_t length = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        thread_.join();
    }

    quint16 port() const { return port_; }
    std::string request() {
        thread_done_.wait(false);
        return request_;
    }

private:
    void serve() {
        const int connection = ::accept(listener_, nullptr, nullptr);
        if (connection >= 0) {
            char buffer[1024];
            while (request_.find("\r\n\r\n") == std::string::npos) {
                const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
                if (got <= 0)
                    break;
                request_.append(buffer, static_cast<std::size_t>(got));
            }
            if (answers_)
                ::send(connection, answer_.data(), answer_.size(), 0);
            else
                while (!stop_)
                    std::this_thread::sleep_for(std::chrono::milliseconds(10));
            ::close(connection);
        }
        thread_done_ = true;
        thread_done_.notify_all();
    }

    std::string answer_;
    bool answers_;
    int listener_ = -1;
    quint16 port_ = 0;
    std::string request_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> thread_done_{false};
    std::thread thread_;
};

} // namespace

class HttpGetTest : public QObject {
    Q_OBJECT
private slots:
    void sendsAnHttp10RequestAndReturnsTheBody() {
        LoopbackServer server("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.001");
        const auto body =
            ui::http_get("127.0.0.1", server.port(), "/home/download/GetversionSW.asp?nomesw=SW52C40", 5000);
        QVERIFY(body.has_value());
        QCOMPARE(*body, QByteArray("VER. 1.001"));
        const std::string request = server.request();
        QCOMPARE(QString::fromStdString(request.substr(0, request.find("\r\n"))),
                 QString("GET /home/download/GetversionSW.asp?nomesw=SW52C40 HTTP/1.0"));
        QVERIFY(
            request.find("\r\nAccept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n") !=
            std::string::npos);
        QVERIFY(request.find("\r\nUser-Agent: ") != std::string::npos);
        QVERIFY(request.find("Cookie") == std::string::npos);
    }

    void anErrorStatusOrARedirectionGivesNothing() {
        for (const char* answer : {"HTTP/1.0 404 Not Found\r\n\r\nVER. 9.999",
                                   "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1/\r\n\r\n", "garbage"}) {
            LoopbackServer server(answer);
            QVERIFY(!ui::http_get("127.0.0.1", server.port(), "/", 5000).has_value());
        }
    }

    void aServerThatNeverAnswersGivesNothingWithinTheTimeOut() {
        LoopbackServer server("", false);
        QVERIFY(!ui::http_get("127.0.0.1", server.port(), "/", 300).has_value());
    }

    void aClosedPortGivesNothing() {
        quint16 port = 0;
        {
            LoopbackServer server("HTTP/1.0 200 OK\r\n\r\n");
            port = server.port();
            ui::http_get("127.0.0.1", port, "/", 2000);
        }
        QVERIFY(!ui::http_get("127.0.0.1", port, "/", 2000).has_value());
    }
};

QTEST_MAIN(HttpGetTest)
#include "HttpGetTest.moc"
