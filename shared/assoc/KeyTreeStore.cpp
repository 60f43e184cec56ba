#include "KeyTreeStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <map>
#include <optional>

namespace {
struct Node {
    QString name;
    std::optional<QString> defaultValue;
    std::map<QString, std::pair<QString, QString>> values;  // lower-cased name -> (name, value)
    std::map<QString, Node> children;                       // lower-cased name -> key
};

QString folded(const QString& name) {
    return name.toLower();
}

Node nodeFromJson(const QJsonObject& object) {
    Node node;
    node.name = object.value(QLatin1String("name")).toString();
    if (object.contains(QLatin1String("default")))
        node.defaultValue = object.value(QLatin1String("default")).toString();
    const QJsonObject values = object.value(QLatin1String("values")).toObject();
    for (auto it = values.begin(); it != values.end(); ++it)
        node.values[folded(it.key())] = {it.key(), it.value().toString()};
    for (const QJsonValue child : object.value(QLatin1String("keys")).toArray()) {
        Node key = nodeFromJson(child.toObject());
        if (!key.name.isEmpty()) node.children[folded(key.name)] = std::move(key);
    }
    return node;
}

QJsonObject jsonFromNode(const Node& node) {
    QJsonObject object{{QLatin1String("name"), node.name}};
    if (node.defaultValue) object.insert(QLatin1String("default"), *node.defaultValue);
    if (!node.values.empty()) {
        QJsonObject values;
        for (const auto& [key, entry] : node.values) values.insert(entry.first, entry.second);
        object.insert(QLatin1String("values"), values);
    }
    if (!node.children.empty()) {
        QJsonArray keys;
        for (const auto& [key, child] : node.children) keys.append(jsonFromNode(child));
        object.insert(QLatin1String("keys"), keys);
    }
    return object;
}

// The whole tree: one node above the roots. A missing file is an empty tree; an unreadable one fails.
bool loadTree(const QString& filePath, Node& tree, QString& error) {
    tree = Node{};
    QFile file(filePath);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = QStringLiteral("%1 is not a key tree: %2").arg(filePath, parseError.errorString());
        return false;
    }
    tree = nodeFromJson(document.object());
    return true;
}

bool saveTree(const QString& filePath, const Node& tree, QString& error) {
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(jsonFromNode(tree)).toJson(QJsonDocument::Indented)) < 0 || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// The key at the path, or null; `parent` receives the key above it.
Node* findKey(Node& tree, const RegistryPath& path, Node** parent = nullptr) {
    Node* node = &tree;
    Node* above = nullptr;
    for (const QString& name : QStringList(path.root) + path.keys) {
        const auto it = node->children.find(folded(name));
        if (it == node->children.end()) return nullptr;
        above = node;
        node = &it->second;
    }
    if (parent != nullptr) *parent = above;
    return node;
}

QString missing(const RegistryPath& path) {
    return QStringLiteral("no value at %1\\%2\\%3").arg(path.root, path.keyText(), path.valueName);
}
}  // namespace

bool KeyTreeStore::read(const RegistryPath& path, QString& value, QString& error) {
    Node tree;
    if (!loadTree(m_filePath, tree, error)) return false;
    const Node* key = findKey(tree, path);
    if (key != nullptr && path.isDefault && key->defaultValue) {
        value = *key->defaultValue;
        return true;
    }
    if (key != nullptr && !path.isDefault) {
        const auto it = key->values.find(folded(path.valueName));
        if (it != key->values.end()) {
            value = it->second.second;
            return true;
        }
    }
    error = missing(path);
    return false;
}

bool KeyTreeStore::write(const RegistryPath& path, const QString& value, QString& error) {
    Node tree;
    if (!loadTree(m_filePath, tree, error)) return false;
    Node* node = &tree;
    for (const QString& name : QStringList(path.root) + path.keys) {
        Node& child = node->children[folded(name)];
        if (child.name.isEmpty()) child.name = name;
        node = &child;
    }
    if (path.isDefault) {
        node->defaultValue = value;
    } else {
        node->values[folded(path.valueName)] = {path.valueName, value};
    }
    return saveTree(m_filePath, tree, error);
}

bool KeyTreeStore::remove(const RegistryPath& path, QString& error) {
    Node tree;
    if (!loadTree(m_filePath, tree, error)) return false;
    Node* parent = nullptr;
    Node* key = findKey(tree, path, &parent);
    if (key == nullptr) {
        error = missing(path);
        return false;
    }
    if (path.isDefault) {
        if (!key->children.empty()) {
            error = QStringLiteral("%1\\%2 still has sub-keys").arg(path.root, path.keyText());
            return false;
        }
        parent->children.erase(folded(key->name));
    } else if (key->values.erase(folded(path.valueName)) == 0) {
        error = missing(path);
        return false;
    }
    return saveTree(m_filePath, tree, error);
}

QString KeyTreeStore::keyFile(const RegistryPath& path) {
    Node tree;
    QString error;
    if (!loadTree(m_filePath, tree, error) || findKey(tree, path) == nullptr) return {};
    return m_filePath;
}
