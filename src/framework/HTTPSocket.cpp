// The HTTP client on libcurl.

#include "framework/HTTPSocket.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>

namespace framework {

namespace {

struct SlistFree {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

struct Reply {
    std::string body;
    bool tooLong = false;
};

std::size_t receive(char* data, std::size_t size, std::size_t count, void* userData) {
    auto& reply = *static_cast<Reply*>(userData);
    const std::size_t length = size * count;
    if (length > HTTPSocket::maximumBodySize - reply.body.size()) {
        reply.tooLong = true;
        return 0; // Ends the transfer with an error.
    }
    reply.body.append(data, length);
    return length;
}

bool sameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

void HTTPSocket::EasyHandleCleanup::operator()(void* handle) const {
    curl_easy_cleanup(handle);
}

HTTPSocket::HTTPSocket(void* handle)
    : handle_(handle), headers_{{"Accept", "*/*"}, {"Accept-Language", "en"}} {}

HTTPSocket::~HTTPSocket() = default;

std::unique_ptr<HTTPSocket> HTTPSocket::create() {
    // Once per process, and never undone: a request may still be running
    // while the process exits.
    static const CURLcode initialized = curl_global_init(CURL_GLOBAL_DEFAULT);
    if (initialized != CURLE_OK) {
        return nullptr;
    }
    CURL* handle = curl_easy_init();
    if (handle == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<HTTPSocket>(new HTTPSocket(handle));
}

void HTTPSocket::SetRequestHeader(const std::string& name, const std::string& value) {
    const auto existing = std::find_if(headers_.begin(), headers_.end(), [&](const auto& header) {
        return sameName(header.first, name);
    });
    if (existing != headers_.end()) {
        existing->second = value;
    } else {
        headers_.emplace_back(name, value);
    }
}

std::string HTTPSocket::Get(const std::string& url, int timeout) {
    CURL* curl = handle_.get();
    std::unique_ptr<curl_slist, SlistFree> headerLines;
    for (const auto& [name, value] : headers_) {
        const std::string line = name + ": " + value;
        curl_slist* longer = curl_slist_append(headerLines.get(), line.c_str());
        if (longer == nullptr) {
            return {};
        }
        // Later lines are added to the same list.
        if (!headerLines) {
            headerLines.reset(longer);
        }
    }
    Reply reply;
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headerLines.get());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    // The request goes to the URL's own host, whatever the environment says.
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    // Signals would reach the whole process, not this thread.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(std::max(timeout, 0)));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maximumBodySize));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, receive);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
    const CURLcode result = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    long statusCode = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &statusCode);
    statusCode_ = static_cast<int>(statusCode);
    // A cut or oversized body could be read as a different text: none at all.
    if (result != CURLE_OK || reply.tooLong) {
        return {};
    }
    return std::move(reply.body);
}

} // namespace framework
