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
    uint32_t type;     // kRegistryString, kRegistryDword, ...
    std::string bytes; // the data as stored
};

struct RegistryNode {
    std::string name;
    // In enumeration order: sorted by name, ignoring case, for trees read from text; the order of the
    // registry they came from for copies.
    std::vector<std::unique_ptr<RegistryNode>> children;
    std::vector<RegistryNode *> byName; // the same, sorted by name ignoring case, for lookups
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

bool NodeBefore(const RegistryNode *node, const std::string &name) {
    return LessIgnoringCase(node->name, name);
}

// A new child: in name order for trees read from text, after the others for copies.
RegistryNode *AddChild(RegistryNode *node, const std::string &name, bool sorted) {
    auto child = std::make_unique<RegistryNode>();
    child->name = name;
    RegistryNode *added = child.get();
    auto byName = std::lower_bound(node->byName.begin(), node->byName.end(), name, NodeBefore);
    node->byName.insert(byName, added);
    if (sorted) {
        auto at = std::lower_bound(node->children.begin(), node->children.end(), name,
                                   [](const std::unique_ptr<RegistryNode> &c, const std::string &n) {
                                       return LessIgnoringCase(c->name, n);
                                   });
        node->children.insert(at, std::move(child));
    } else {
        node->children.push_back(std::move(child));
    }
    return added;
}

RegistryNode *Child(RegistryNode *node, const std::string &name, bool create) {
    auto at = std::lower_bound(node->byName.begin(), node->byName.end(), name, NodeBefore);
    if (at != node->byName.end() && !LessIgnoringCase(name, (*at)->name))
        return *at;
    return create ? AddChild(node, name, true) : nullptr;
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
    for (auto &v : node->values)
        if (strcasecmp(v.name.c_str(), name.c_str()) == 0) {
            v = {v.name, type, bytes};
            return;
        }
    node->values.push_back({name, type, bytes});
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

const RegistryValue *FindValue(void *key, const char *name) {
    for (auto &v : static_cast<RegistryNode *>(key)->values)
        if (strcasecmp(v.name.c_str(), name) == 0)
            return &v;
    return nullptr;
}

bool TreeQueryValue(void *, void *key, const char *value, char *out, size_t size) {
    const RegistryValue *v = FindValue(key, value);
    if (!v)
        return false;
    FormatQueriedValue(v->type, reinterpret_cast<const unsigned char *>(v->bytes.data()), v->bytes.size(),
                       out, size);
    return true;
}

int TreeQueryRaw(void *, void *key, const char *value, uint32_t *type, unsigned char *out, size_t size) {
    const RegistryValue *v = FindValue(key, value);
    if (!v)
        return -1;
    *type = v->type;
    size_t n = v->bytes.size() < size ? v->bytes.size() : size;
    memcpy(out, v->bytes.data(), n);
    return static_cast<int>(n);
}

int TreeValueAt(void *, void *key, int index, char *name, size_t nameSize, uint32_t *type,
                unsigned char *data, size_t dataSize) {
    const auto &values = static_cast<RegistryNode *>(key)->values;
    if (index < 0 || index >= static_cast<int>(values.size()))
        return -1;
    const RegistryValue &v = values[index];
    if (nameSize)
        snprintf(name, nameSize, "%s", v.name.c_str());
    *type = v.type;
    memcpy(data, v.bytes.data(), v.bytes.size() < dataSize ? v.bytes.size() : dataSize);
    return static_cast<int>(v.bytes.size());
}

// Registry value names are at most 16,383 characters.
constexpr size_t kValueNameSize = 16384;

// Copies the values of an open key of the source, and its subkeys down to `levels` more levels.
void CopyKey(const RegistryAccess &source, void *key, const std::string &path, RegistryNode *node, int levels,
             std::vector<char> &name, std::string &data) {
    for (int i = 0;; ++i) {
        uint32_t type = 0;
        auto bytes = reinterpret_cast<unsigned char *>(&data[0]);
        int length =
            source.valueAt(source.context, key, i, name.data(), name.size(), &type, bytes, data.size());
        if (length > static_cast<int>(data.size())) {
            data.resize(static_cast<size_t>(length));
            bytes = reinterpret_cast<unsigned char *>(&data[0]);
            length =
                source.valueAt(source.context, key, i, name.data(), name.size(), &type, bytes, data.size());
        }
        if (length < 0)
            break;
        // A value that grew again between the two reads keeps what fitted.
        size_t kept = static_cast<size_t>(length) < data.size() ? static_cast<size_t>(length) : data.size();
        StoreValue(node, name.data(), type, data.substr(0, kept));
    }
    if (levels <= 0)
        return;
    int count = source.subkeyCount(source.context, key);
    for (int i = 0; i < count; ++i) {
        char childName[256];
        if (!source.subkeyName(source.context, key, i, childName, sizeof childName))
            continue;
        std::string childPath = path + "\\" + childName;
        void *child = source.open(source.context, childPath.c_str());
        if (!child)
            continue;
        RegistryNode *copy = Child(node, childName, false);
        CopyKey(source, child, childPath, copy ? copy : AddChild(node, childName, false), levels - 1, name,
                data);
        source.close(source.context, child);
    }
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
    return RegistryAccess{tree,           TreeOpen,       TreeClose,    TreeSubkeyCount,
                          TreeSubkeyName, TreeQueryValue, TreeQueryRaw, TreeValueAt};
}

RegistryTree *CopyRegistryTree(const RegistryAccess &source, const char *path, int levels) {
    if (!source.valueAt)
        return nullptr;
    void *key = source.open(source.context, path);
    if (!key)
        return nullptr;
    auto tree = std::make_unique<RegistryTree>();
    std::vector<char> name(kValueNameSize);
    std::string data(256, '\0');
    CopyKey(source, key, path, Find(tree.get(), path, true), levels, name, data);
    source.close(source.context, key);
    return tree.release();
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
