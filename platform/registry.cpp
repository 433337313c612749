#include "platform/registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace orvane::platform {

namespace {

constexpr char kHeader[] = "ORVANE-REGISTRY 1";

std::u16string lowerCase(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    }
    return out;
}

uint32_t crc32(std::string_view data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string hex(const BYTE* data, size_t size) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < size; ++i) {
        out.push_back(digits[data[i] >> 4]);
        out.push_back(digits[data[i] & 15]);
    }
    return out.empty() ? "-" : out;
}

bool unhex(std::string_view text, std::vector<BYTE>* out) {
    out->clear();
    if (text == "-") return true;
    if (text.size() % 2 != 0) return false;
    auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    for (size_t i = 0; i < text.size(); i += 2) {
        const int hi = value(text[i]), lo = value(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out->push_back(static_cast<BYTE>(hi * 16 + lo));
    }
    return true;
}

std::string hexText(std::u16string_view s) {
    std::vector<BYTE> bytes;
    for (char16_t c : s) {
        bytes.push_back(static_cast<BYTE>(c >> 8));
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
    }
    return hex(bytes.data(), bytes.size());
}

bool unhexText(std::string_view text, std::u16string* out) {
    std::vector<BYTE> bytes;
    if (!unhex(text, &bytes) || bytes.size() % 2 != 0) return false;
    out->clear();
    for (size_t i = 0; i < bytes.size(); i += 2) {
        out->push_back(static_cast<char16_t>((bytes[i] << 8) | bytes[i + 1]));
    }
    return true;
}

bool isRoot(HKEY key) {
    return key.value() >= 0x80000000u && key.value() <= 0x80000005u;
}

void makeDirectories(const std::string& path) {
    for (size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '/') ::mkdir(path.substr(0, i).c_str(), 0700);
    }
}

}  // namespace

Registry::Registry(std::string path) : path_(std::move(path)) {
    load();
}

void Registry::load() {
    std::ifstream in(path_, std::ios::binary);
    if (!in) return;
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (first) {
            first = false;
            if (line == kHeader) continue;
        }
        // "<crc> <record>", where the crc covers the record.
        const size_t space = line.find(' ');
        if (space == std::string::npos) {
            if (!line.empty()) ++damaged_;
            continue;
        }
        const std::string record = line.substr(space + 1);
        char* end = nullptr;
        const std::string crcText = line.substr(0, space);
        const unsigned long crc = std::strtoul(crcText.c_str(), &end, 16);
        if (!end || *end != '\0' || crc != crc32(record)) {
            ++damaged_;
            continue;
        }
        std::istringstream fields(record);
        std::string kind, root, keyHex;
        fields >> kind >> root >> keyHex;
        std::u16string keyPath;
        const uint32_t rootValue = static_cast<uint32_t>(std::strtoul(root.c_str(), nullptr, 16));
        if (!unhexText(keyHex, &keyPath) || rootValue < 0x80000000u) {
            ++damaged_;
            continue;
        }
        Key& key = keys_[KeyId{rootValue, lowerCase(keyPath)}];
        key.root = rootValue;
        key.path = keyPath;
        if (kind == "K") continue;
        std::string nameHex, typeText, dataHex;
        fields >> nameHex >> typeText >> dataHex;
        Value value;
        if (kind != "V" || !unhexText(nameHex, &value.name) || !unhex(dataHex, &value.data) ||
            typeText.empty()) {
            ++damaged_;
            continue;
        }
        value.type = static_cast<DWORD>(std::strtoul(typeText.c_str(), nullptr, 10));
        key.values[lowerCase(value.name)] = std::move(value);
    }
}

bool Registry::save() const {
    std::string text = std::string(kHeader) + "\n";
    char crcText[16];
    auto addLine = [&](const std::string& record) {
        std::snprintf(crcText, sizeof crcText, "%08x", crc32(record));
        text += crcText;
        text += ' ';
        text += record;
        text += '\n';
    };
    for (const auto& [id, key] : keys_) {
        char rootText[16];
        std::snprintf(rootText, sizeof rootText, "%08x", key.root);
        const std::string keyPart = std::string(rootText) + " " + hexText(key.path);
        addLine("K " + keyPart);
        for (const auto& [lower, value] : key.values) {
            addLine("V " + keyPart + " " + hexText(value.name) + " " + std::to_string(value.type) +
                    " " + hex(value.data.data(), value.data.size()));
        }
    }
    makeDirectories(path_);
    const std::string temp = path_ + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n <= 0) {
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        written += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    ::close(fd);
    if (::rename(temp.c_str(), path_.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const size_t slash = path_.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path_.substr(0, slash + 1);
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

Registry::Key* Registry::keyOf(HKEY key) {
    if (isRoot(key)) {
        auto it = keys_.find(KeyId{key.value(), u""});
        if (it == keys_.end()) {
            Key& k = keys_[KeyId{key.value(), u""}];
            k.root = key.value();
            return &k;
        }
        return &it->second;
    }
    auto open = open_.find(key.value());
    if (open == open_.end()) return nullptr;
    auto it = keys_.find(open->second);
    return it == keys_.end() ? nullptr : &it->second;
}

LONG Registry::RegCreateKeyEx(HKEY root, std::u16string_view subKey, HKEY* key) {
    if (!isRoot(root) || !key) return ERROR_INVALID_HANDLE;
    const KeyId id{root.value(), lowerCase(subKey)};
    if (!keys_.count(id)) {
        Key& k = keys_[id];
        k.root = root.value();
        k.path = std::u16string(subKey);
        if (!save()) {
            keys_.erase(id);
            return ERROR_WRITE_FAULT;
        }
    }
    const uint32_t handle = nextHandle_++;
    open_[handle] = id;
    *key = HKEY(handle);
    return ERROR_SUCCESS;
}

LONG Registry::RegOpenKeyEx(HKEY root, std::u16string_view subKey, HKEY* key) {
    if (!isRoot(root) || !key) return ERROR_INVALID_HANDLE;
    const KeyId id{root.value(), lowerCase(subKey)};
    if (!keys_.count(id)) return ERROR_FILE_NOT_FOUND;
    const uint32_t handle = nextHandle_++;
    open_[handle] = id;
    *key = HKEY(handle);
    return ERROR_SUCCESS;
}

LONG Registry::RegQueryValueEx(HKEY key, std::u16string_view name, DWORD* type, BYTE* data,
                               DWORD* size) {
    Key* k = keyOf(key);
    if (!k) return ERROR_INVALID_HANDLE;
    auto it = k->values.find(lowerCase(name));
    if (it == k->values.end()) return ERROR_FILE_NOT_FOUND;
    const Value& v = it->second;
    if (type) *type = v.type;
    const DWORD need = static_cast<DWORD>(v.data.size());
    if (data) {
        if (!size || *size < need) {
            if (size) *size = need;
            return ERROR_MORE_DATA;
        }
        std::copy(v.data.begin(), v.data.end(), data);
    }
    if (size) *size = need;
    return ERROR_SUCCESS;
}

LONG Registry::RegSetValueEx(HKEY key, std::u16string_view name, DWORD type, const BYTE* data,
                             DWORD size) {
    Key* k = keyOf(key);
    if (!k) return ERROR_INVALID_HANDLE;
    const std::u16string lower = lowerCase(name);
    auto previous = k->values.find(lower);
    const bool had = previous != k->values.end();
    const Value old = had ? previous->second : Value{};
    Value& v = k->values[lower];
    v.name = std::u16string(name);
    v.type = type;
    v.data.assign(data, data + (data ? size : 0));
    if (!save()) {
        if (had) {
            k->values[lower] = old;
        } else {
            k->values.erase(lower);
        }
        return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

LONG Registry::RegDeleteValue(HKEY key, std::u16string_view name) {
    Key* k = keyOf(key);
    if (!k) return ERROR_INVALID_HANDLE;
    auto it = k->values.find(lowerCase(name));
    if (it == k->values.end()) return ERROR_FILE_NOT_FOUND;
    const Value old = it->second;
    k->values.erase(it);
    if (!save()) {
        k->values[lowerCase(name)] = old;
        return ERROR_WRITE_FAULT;
    }
    return ERROR_SUCCESS;
}

LONG Registry::RegCloseKey(HKEY key) {
    if (isRoot(key)) return ERROR_SUCCESS;
    return open_.erase(key.value()) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace orvane::platform
