// The loopback HTTP server of the downloader's tests.
#include "common/local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

#define POLL_MILLISECONDS 20
#define REQUEST_LIMIT 8192

LocalHttpServer::LocalHttpServer(std::map<std::string, std::string> pages,
                                 std::string stDefaultPage)
    : m_pages(std::move(pages)), m_stDefaultPage(std::move(stDefaultPage)) {
    m_nSocket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t nLength = sizeof(address);
    if (m_nSocket < 0 || bind(m_nSocket, (sockaddr*)&address, sizeof(address)) != 0 ||
        listen(m_nSocket, 64) != 0 || getsockname(m_nSocket, (sockaddr*)&address, &nLength) != 0) {
        if (m_nSocket >= 0)
            close(m_nSocket);
        m_nSocket = -1;
        return;
    }
    m_nPort = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    m_bStop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_nSocket >= 0)
        close(m_nSocket);
}

std::string LocalHttpServer::Address() const {
    return "http://127.0.0.1:" + std::to_string(m_nPort);
}

int LocalHttpServer::Count_Requests(const std::string& stPath) const {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_requests.find(stPath);
    return it == m_requests.end() ? 0 : it->second;
}

void LocalHttpServer::Serve() {
    while (!m_bStop) {
        pollfd poll_fd = {m_nSocket, POLLIN, 0};
        if (poll(&poll_fd, 1, POLL_MILLISECONDS) <= 0)
            continue;
        int nClient = accept(m_nSocket, nullptr, nullptr);
        if (nClient >= 0) {
            Answer(nClient);
            close(nClient);
        }
    }
}

void LocalHttpServer::Answer(int nClient) {
    std::string stRequest;
    char ab[1024];
    while (stRequest.find("\r\n\r\n") == std::string::npos && stRequest.size() < REQUEST_LIMIT) {
        ssize_t n = recv(nClient, ab, sizeof(ab), 0);
        if (n <= 0)
            return;
        stRequest.append(ab, (size_t)n);
    }
    size_t nStart = stRequest.find(' ');
    size_t nEnd = nStart == std::string::npos ? nStart : stRequest.find(' ', nStart + 1);
    std::string stPath =
        nEnd == std::string::npos ? "" : stRequest.substr(nStart + 1, nEnd - nStart - 1);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_requests[stPath]++;
    }
    auto it = m_pages.find(stPath);
    bool bFound = it != m_pages.end() || !m_stDefaultPage.empty();
    const std::string& stBody = it != m_pages.end() ? it->second : m_stDefaultPage;
    std::string stAnswer = bFound ? "HTTP/1.0 200 OK\r\n" : "HTTP/1.0 404 Not Found\r\n";
    stAnswer += "Content-Type: text/html\r\nConnection: close\r\nContent-Length: " +
                std::to_string(bFound ? stBody.size() : 0) + "\r\n\r\n";
    if (bFound)
        stAnswer += stBody;
    for (size_t nSent = 0; nSent < stAnswer.size();) {
        ssize_t n = send(nClient, stAnswer.data() + nSent, stAnswer.size() - nSent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        nSent += (size_t)n;
    }
}
