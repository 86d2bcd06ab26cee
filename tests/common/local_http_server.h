// A small HTTP server on the loopback address for the downloader's tests: it answers GET requests
// from a table of pages, and every other path with the default page (or 404 when there is none).
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>

class LocalHttpServer {
public:
    LocalHttpServer(std::map<std::string, std::string> pages, std::string stDefaultPage);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool Is_Listening() const { return m_nSocket >= 0; }
    std::string Address() const;  // "http://127.0.0.1:<port>"
    int Count_Requests(const std::string& stPath) const;

private:
    void Serve();
    void Answer(int nClient);

    std::map<std::string, std::string> m_pages;
    std::string m_stDefaultPage;
    int m_nSocket = -1;
    int m_nPort = 0;
    std::atomic<bool> m_bStop{false};
    mutable std::map<std::string, int> m_requests;
    mutable std::mutex m_lock;
    std::thread m_thread;
};
