#include "inventory/registry_tree.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <strings.h>
#include <vector>

struct RegistryValue {
    std::string name;
    std::string text;  // as the text query gives it
    uint32_t type;     // kRegistryString, kRegistryDword, ...
    std::string bytes; // the data as stored
};

struct RegistryNode {
    std::string name;
    std::vector<std::unique_ptr<RegistryNode>> children; // kept sorted by name, ignoring case
    std::vector<RegistryValue> values;
};

struct RegistryTree {
    RegistryNode root; // HKEY_LOCAL_MACHINE
};

namespace {

// The registry keeps subkeys ordered by their upper-cased names ("_" sorts after the letters).
bool LessIgnoringCase(const std::string &a, const std::string &b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int x = toupper(static_cast<unsigned char>(a[i])), y = toupper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

RegistryNode *Child(RegistryNode *node, const std::string &name, bool create) {
    for (auto &child : node->children)
        if (strcasecmp(child->name.c_str(), name.c_str()) == 0)
            return child.get();
    if (!create)
        return nullptr;
    auto child = std::make_unique<RegistryNode>();
    child->name = name;
    RegistryNode *added = child.get();
    auto at = std::lower_bound(node->children.begin(), node->children.end(), name,
                               [](const std::unique_ptr<RegistryNode> &c, const std::string &n) {
                                   return LessIgnoringCase(c->name, n);
                               });
    node->children.insert(at, std::move(child));
    return added;
}

RegistryNode *Find(RegistryTree *tree, const char *path, bool create) {
    RegistryNode *node = &tree->root;
    std::string part;
    for (const char *p = path;; ++p) {
        if (*p == '\\' || *p == 0) {
            if (!part.empty()) {
                node = Child(node, part, create);
                if (!node)
                    return nullptr;
                part.clear();
            }
            if (*p == 0)
                break;
        } else {
            part += *p;
        }
    }
    return node;
}

// Reads a quoted string starting at p (just after the opening quote); returns the position after the
// closing quote, or null when the string does not end on the line.
const char *ReadQuoted(const char *p, std::string &out) {
    out.clear();
    for (; *p; ++p) {
        if (*p == '\\' && (p[1] == '\\' || p[1] == '"')) {
            out += p[1];
            ++p;
        } else if (*p == '"') {
            return p + 1;
        } else {
            out += *p;
        }
    }
    return nullptr;
}

void StoreValue(RegistryNode *node, const std::string &name, uint32_t type, const std::string &bytes) {
    char text[256];
    FormatRegistryValue(type, reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size(), text,
                        sizeof text);
    for (auto &v : node->values)
        if (strcasecmp(v.name.c_str(), name.c_str()) == 0) {
            v = {v.name, text, type, bytes};
            return;
        }
    node->values.push_back({name, text, type, bytes});
}

// "hex:", "hex(7):" and the like: the type in brackets (binary without), then bytes as comma-separated
// pairs, blanks allowed. False for anything else.
bool ParseHexValue(const char *q, uint32_t *type, std::string &bytes) {
    q += 3;
    *type = kRegistryBinary;
    if (*q == '(') {
        char *end = nullptr;
        unsigned long number = strtoul(q + 1, &end, 16);
        if (end == q + 1 || *end != ')')
            return false;
        *type = static_cast<uint32_t>(number);
        q = end + 1;
    }
    if (*q++ != ':')
        return false;
    bytes.clear();
    while (*q) {
        while (*q == ' ' || *q == '\t' || *q == ',')
            ++q;
        if (!*q)
            break;
        if (!isxdigit(static_cast<unsigned char>(q[0])) || !isxdigit(static_cast<unsigned char>(q[1])))
            return false;
        char pair[3] = {q[0], q[1], 0};
        bytes += static_cast<char>(strtoul(pair, nullptr, 16));
        q += 2;
        if (*q && *q != ',' && *q != ' ' && *q != '\t')
            return false;
    }
    return true;
}

bool Fail(char *error, size_t errorSize, int line, const char *message) {
    snprintf(error, errorSize, "line %d: %s", line, message);
    return false;
}

bool ParseLines(RegistryTree *tree, const char *text, char *error, size_t errorSize) {
    RegistryNode *current = nullptr;
    bool inMachine = false;
    bool sawHeader = false;
    bool sawKey = false;
    int lineNumber = 0;
    const char *p = text;
    while (*p) {
        // One logical line: a trailing backslash continues it on the next line.
        std::string line;
        while (*p) {
            const char *end = p;
            while (*end && *end != '\n')
                ++end;
            std::string piece(p, end);
            p = *end ? end + 1 : end;
            ++lineNumber;
            if (!piece.empty() && piece.back() == '\r')
                piece.pop_back();
            bool more = !piece.empty() && piece.back() == '\\' && piece.find('=') != std::string::npos &&
                        piece.find("hex") != std::string::npos;
            if (more)
                piece.pop_back();
            line += piece;
            if (!more)
                break;
        }
        size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == ';')
            continue;
        line.erase(0, start);
        if (!sawHeader) {
            if (line != "REGEDIT4")
                return Fail(error, errorSize, lineNumber, "the text must begin with REGEDIT4");
            sawHeader = true;
            continue;
        }
        if (line[0] == '[') {
            size_t close = line.rfind(']');
            if (close == std::string::npos)
                return Fail(error, errorSize, lineNumber, "a key line lacks its ']'");
            std::string path = line.substr(1, close - 1);
            if (!path.empty() && path[0] == '-')
                return Fail(error, errorSize, lineNumber, "deleting keys is not supported");
            const char machine[] = "HKEY_LOCAL_MACHINE";
            size_t n = sizeof machine - 1;
            inMachine = strncasecmp(path.c_str(), machine, n) == 0 && (path.size() == n || path[n] == '\\');
            current = inMachine ? Find(tree, path.c_str() + n, true) : nullptr;
            sawKey = true;
            continue;
        }
        std::string name;
        const char *q = line.c_str();
        if (*q == '@') {
            ++q;
        } else if (*q == '"') {
            q = ReadQuoted(q + 1, name);
            if (!q)
                return Fail(error, errorSize, lineNumber, "a value name does not end");
        } else {
            return Fail(error, errorSize, lineNumber, "expected a key, a value or a comment");
        }
        if (*q != '=')
            return Fail(error, errorSize, lineNumber, "expected '=' after the value name");
        ++q;
        std::string value;
        uint32_t type = kRegistryString;
        bool keep = true;
        if (*q == '"') {
            const char *end = ReadQuoted(q + 1, value);
            if (!end)
                return Fail(error, errorSize, lineNumber, "a string value does not end");
        } else if (strncasecmp(q, "dword:", 6) == 0) {
            char *end = nullptr;
            unsigned long number = strtoul(q + 6, &end, 16);
            if (end == q + 6 || strlen(q + 6) != 8)
                return Fail(error, errorSize, lineNumber, "a dword needs eight hexadecimal digits");
            type = kRegistryDword;
            for (int i = 0; i < 4; ++i)
                value += static_cast<char>((number >> (8 * i)) & 0xFF);
        } else if (strncasecmp(q, "hex", 3) == 0) {
            if (!ParseHexValue(q, &type, value))
                return Fail(error, errorSize, lineNumber, "hex values are pairs of hexadecimal digits");
        } else if (*q == '-') {
            keep = false; // deletions play no part in the device tree
        } else {
            return Fail(error, errorSize, lineNumber, "unknown value type");
        }
        if (!sawKey)
            return Fail(error, errorSize, lineNumber, "a value before any key");
        if (!current)
            continue; // a value of another hive
        if (!keep || name.empty())
            continue;
        // A string is stored with its terminator, as the registry holds it.
        if (type == kRegistryString)
            value += '\0';
        StoreValue(current, name, type, value);
    }
    if (!sawHeader)
        return Fail(error, errorSize, lineNumber, "the text must begin with REGEDIT4");
    return true;
}

void *TreeOpen(void *context, const char *path) {
    return Find(static_cast<RegistryTree *>(context), path, false);
}

void TreeClose(void *, void *) {}

int TreeSubkeyCount(void *, void *key) {
    return static_cast<int>(static_cast<RegistryNode *>(key)->children.size());
}

bool TreeSubkeyName(void *, void *key, int index, char *name, size_t size) {
    RegistryNode *node = static_cast<RegistryNode *>(key);
    if (index < 0 || index >= static_cast<int>(node->children.size()) || size == 0)
        return false;
    snprintf(name, size, "%s", node->children[index]->name.c_str());
    return true;
}

bool TreeQueryValue(void *, void *key, const char *value, char *out, size_t size) {
    for (auto &v : static_cast<RegistryNode *>(key)->values)
        if (strcasecmp(v.name.c_str(), value) == 0) {
            if (size)
                snprintf(out, size, "%s", v.text.c_str());
            return true;
        }
    return false;
}

int TreeQueryRaw(void *, void *key, const char *value, uint32_t *type, unsigned char *out, size_t size) {
    for (auto &v : static_cast<RegistryNode *>(key)->values)
        if (strcasecmp(v.name.c_str(), value) == 0) {
            *type = v.type;
            size_t n = v.bytes.size() < size ? v.bytes.size() : size;
            memcpy(out, v.bytes.data(), n);
            return static_cast<int>(n);
        }
    return -1;
}

} // namespace

RegistryTree *ParseRegistryText(const char *text, char *error, size_t errorSize) {
    if (errorSize)
        error[0] = 0;
    auto tree = std::make_unique<RegistryTree>();
    if (!ParseLines(tree.get(), text ? text : "", error, errorSize))
        return nullptr;
    return tree.release();
}

void FreeRegistryTree(RegistryTree *tree) {
    delete tree;
}

RegistryAccess TreeRegistryAccess(RegistryTree *tree) {
    return RegistryAccess{tree,           TreeOpen,       TreeClose,   TreeSubkeyCount,
                          TreeSubkeyName, TreeQueryValue, TreeQueryRaw};
}

RegistryTree *NewRegistryTree() {
    return new RegistryTree;
}

void AddRegistryKey(RegistryTree *tree, const char *path) {
    Find(tree, path, true);
}

void SetRegistryValue(RegistryTree *tree, const char *path, const char *name, uint32_t type,
                      const unsigned char *data, size_t length) {
    StoreValue(Find(tree, path, true), name, type, std::string(reinterpret_cast<const char *>(data), length));
}
