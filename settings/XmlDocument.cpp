#include "settings/XmlDocument.h"

#include <tinyxml.h>

#include "settings/IntegerText.h"
#include "settings/Utf.h"
#include "settings/XmlLimits.h"

std::wstring XmlElement::Name() const { return Utf8ToWide(element_->Value()); }

XmlElement XmlElement::Append(const std::wstring& name) {
  auto* child = new TiXmlElement(WideToUtf8(name).c_str());
  element_->LinkEndChild(child);
  return XmlElement(child);
}

void XmlElement::Set(const std::wstring& name, const std::wstring& value) {
  element_->SetAttribute(WideToUtf8(name).c_str(), WideToUtf8(value).c_str());
}

void XmlElement::Set(const std::wstring& name, int value) {
  element_->SetAttribute(WideToUtf8(name).c_str(), value);
}

std::optional<std::wstring> XmlElement::Get(const std::wstring& name) const {
  const char* value = element_->Attribute(WideToUtf8(name).c_str());
  if (!value) return std::nullopt;
  return Utf8ToWide(value);
}

std::optional<int> XmlElement::GetInt(const std::wstring& name) const {
  const auto text = Get(name);
  if (!text) return std::nullopt;
  return ParseLeadingInt(*text);
}

XmlElement XmlElement::FirstInGroup(const std::wstring& group) const {
  TiXmlNode* node = element_->FirstChild(WideToUtf8(group).c_str());
  TiXmlNode* first = node ? node->FirstChild() : nullptr;
  return XmlElement(first ? first->ToElement() : nullptr);
}

XmlElement XmlElement::NextSibling() const { return XmlElement(element_->NextSiblingElement()); }

XmlDocument::XmlDocument() : document_(std::make_unique<TiXmlDocument>()) {}
XmlDocument::~XmlDocument() = default;

XmlElement XmlDocument::CreateRoot(const std::wstring& name) {
  document_->LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
  auto* root = new TiXmlElement(WideToUtf8(name).c_str());
  document_->LinkEndChild(root);
  return XmlElement(root);
}

XmlElement XmlDocument::Root() const { return XmlElement(document_->RootElement()); }

namespace {

// A file's bytes as valid UTF-8. Notepad's "Unicode" saves UTF-16 with a byte-order mark (and
// keeps a declaration saying UTF-8); such text gets the UTF-8 mark, by which TinyXML reads it as
// UTF-8 whatever its declaration says.
std::string AsUtf8(const std::string& bytes) {
  const std::string utf8Mark = "\xEF\xBB\xBF";
  if (bytes.compare(0, 2, "\xFF\xFE") == 0) return utf8Mark + Utf16BytesToUtf8(bytes.substr(2), false);
  if (bytes.compare(0, 2, "\xFE\xFF") == 0) return utf8Mark + Utf16BytesToUtf8(bytes.substr(2), true);
  return WideToUtf8(Utf8ToWide(bytes));
}

}  // namespace

// TinyXML's UTF-8 reader trusts a lead byte's length and steps past the end of the text when a
// file ends inside a character; so the bytes are made valid UTF-8 (bad sequences become U+FFFD)
// before the parser sees them.
XmlLoad XmlDocument::Load(std::FILE* file) {
  std::string bytes;
  char buffer[4096];
  for (size_t got; bytes.size() <= kMaxXmlBytes && (got = std::fread(buffer, 1, sizeof(buffer), file)) > 0;) {
    bytes.append(buffer, got);
  }
  if (std::ferror(file)) return XmlLoad::Unreadable;
  if (bytes.size() > kMaxXmlBytes) return XmlLoad::Rejected;
  return Parse(AsUtf8(bytes)) ? XmlLoad::Parsed : XmlLoad::Rejected;
}

bool XmlDocument::Parse(const std::string& text) {
  document_->Clear();
  document_->ClearError();
  if (text.size() > kMaxXmlBytes || NestsDeeperThan(text, kMaxXmlDepth)) return false;
  document_->Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  return !document_->Error();
}

bool XmlDocument::Save(std::FILE* file) const {
  return document_->SaveFile(file) && !std::ferror(file);
}
