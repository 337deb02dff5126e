#pragma once
// A thin UTF-16 face on TinyXML: names and values go in and come out as wide strings.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

class TiXmlDocument;
class TiXmlElement;

class XmlElement {
 public:
  explicit XmlElement(TiXmlElement* element) : element_(element) {}
  explicit operator bool() const { return element_ != nullptr; }

  std::wstring Name() const;
  XmlElement Append(const std::wstring& name);
  void Set(const std::wstring& name, const std::wstring& value);
  void Set(const std::wstring& name, int value);
  std::optional<std::wstring> Get(const std::wstring& name) const;
  // Absent and non-numeric attributes give nothing; see ParseLeadingInt for the number rules.
  std::optional<int> GetInt(const std::wstring& name) const;

  // The first element of a group: the first child node named `group`, if that node's own first
  // child node is an element.
  XmlElement FirstInGroup(const std::wstring& group) const;
  XmlElement NextSibling() const;

 private:
  TiXmlElement* element_;
};

enum class XmlLoad {
  Parsed,
  Rejected,    // read, but too large, too deep or not well-formed
  Unreadable,  // a read error
};

class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Adds the declaration (version 1.0, UTF-8) and the root element.
  XmlElement CreateRoot(const std::wstring& name);
  // The document's first element.
  XmlElement Root() const;

  // Parses an open file, detecting its encoding. Reads no more than the size limit allows.
  XmlLoad Load(std::FILE* file);
  // Parses text that is valid UTF-8 (or plain 8-bit text without multi-byte sequences) and
  // within the limits of XmlLimits.h.
  bool Parse(const std::string& text);
  // Prints the document; true only if every byte reached the stream's buffer.
  bool Save(std::FILE* file) const;

 private:
  std::unique_ptr<TiXmlDocument> document_;
};
