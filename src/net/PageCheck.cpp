#include "net/PageCheck.h"

#include <curl/curl.h>

namespace targello {
namespace {

std::size_t receivePage(char* data, std::size_t size, std::size_t count, void* user) {
    std::string& page = *static_cast<std::string*>(user);
    // A shop's page is far smaller; anything larger is not it.
    if (page.size() > (64u << 20))
        return 0;
    page.append(data, size * count);
    return size * count;
}

} // namespace

std::optional<std::string> FetchPage(const std::string& url, std::string& problem) {
    CURL* curl = curl_easy_init();
    std::string page;
    char error[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // The page as published, not a copy a cache kept.
    curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receivePage);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &page);
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_cleanup(curl);
    if (code != CURLE_OK) {
        problem = error[0] ? error : curl_easy_strerror(code);
        return std::nullopt;
    }
    if (status != 200) {
        problem = "serwer odpowiedział kodem " + std::to_string(status);
        return std::nullopt;
    }
    return page;
}

} // namespace targello
