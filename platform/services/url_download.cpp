// URLDownloadToFileA on libcurl: one address fetched into a file beside the target, which takes
// the target's place only when the whole answer arrived.
#include <strings.h>

#include <mutex>

#include <curl/curl.h>

#include "platform_internal.h"

#define DOWNLOAD_CONNECT_SECONDS 15L
#define DOWNLOAD_TOTAL_SECONDS 120L
#define DOWNLOAD_MAX_REDIRECTS 5L
#define DOWNLOAD_PATH_SIZE 4096

namespace {

bool Is_Web_Address(LPCSTR szAddress) {
    return strncasecmp(szAddress, "http://", 7) == 0 || strncasecmp(szAddress, "https://", 8) == 0;
}

size_t Write_To_File(char* pData, size_t nSize, size_t nCount, void* pFile) {
    return fwrite(pData, nSize, nCount, static_cast<FILE*>(pFile)) * nSize;
}

HRESULT Fetch_Into(CURL* pCurl, LPCSTR szAddress, FILE* pFile) {
    curl_easy_setopt(pCurl, CURLOPT_URL, szAddress);
    curl_easy_setopt(pCurl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(pCurl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(pCurl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(pCurl, CURLOPT_MAXREDIRS, DOWNLOAD_MAX_REDIRECTS);
    curl_easy_setopt(pCurl, CURLOPT_CONNECTTIMEOUT, DOWNLOAD_CONNECT_SECONDS);
    curl_easy_setopt(pCurl, CURLOPT_TIMEOUT, DOWNLOAD_TOTAL_SECONDS);
    curl_easy_setopt(pCurl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(pCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(pCurl, CURLOPT_USERAGENT, "Football Vanto");
    curl_easy_setopt(pCurl, CURLOPT_WRITEFUNCTION, Write_To_File);
    curl_easy_setopt(pCurl, CURLOPT_WRITEDATA, pFile);
    CURLcode nResult = curl_easy_perform(pCurl);
    if (nResult == CURLE_OK)
        return S_OK;
    return nResult == CURLE_OUT_OF_MEMORY ? E_OUTOFMEMORY : INET_E_DOWNLOAD_FAILURE;
}

}  // namespace

HRESULT URLDownloadToFileA(void* pCaller, LPCSTR szAddress, LPCSTR szFile, DWORD dwReserved,
                           void* pCallback) {
    (void)pCaller;
    (void)dwReserved;
    (void)pCallback;
    if (!szAddress || !szFile || !Is_Web_Address(szAddress))
        return INET_E_DOWNLOAD_FAILURE;
    static std::once_flag sInit;
    std::call_once(sInit, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    char szTemporary[DOWNLOAD_PATH_SIZE];
    FILE* pFile = Platform_Create_Temporary_File(szFile, szTemporary, sizeof(szTemporary));
    if (!pFile)
        return INET_E_DOWNLOAD_FAILURE;
    CURL* pCurl = curl_easy_init();
    HRESULT nResult = pCurl ? Fetch_Into(pCurl, szAddress, pFile) : E_OUTOFMEMORY;
    if (pCurl)
        curl_easy_cleanup(pCurl);
    if (fclose(pFile) != 0 && nResult == S_OK)
        nResult = INET_E_DOWNLOAD_FAILURE;
    if (nResult == S_OK && !Platform_Rename_File(szTemporary, szFile))
        nResult = INET_E_DOWNLOAD_FAILURE;
    if (nResult != S_OK)
        Platform_Remove_File(szTemporary);
    return nResult;
}

BOOL DeleteUrlCacheEntryA(LPCSTR szAddress) {
    (void)szAddress;
    return TRUE;
}
