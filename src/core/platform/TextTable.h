#pragma once
// The labels of the printed pages, looked up by key: built-in German texts,
// replaceable by the third column of a language file.
#include <map>
#include <string>
#include <string_view>

namespace nivora {

class CTextTabelle {
  public:
    // Filled from the built-in table.
    CTextTabelle();

    // Entries of the built-in table, one "{key}{German}{English}" line each.
    static const std::string& BuiltInText();

    // Reads a language file ("lang.txt"); a file that cannot be opened
    // changes nothing.
    void LoadLanguageFile(const std::string& path);
    // The same from the file's content.
    void LoadLanguageText(std::string_view content);

    // The entry, or "ERROR" for an unknown key; colon form appends " :" to a
    // text that is not empty.
    std::string GetText(const std::string& key, bool colon = false) const;

  private:
    std::map<std::string, std::string> m_entries;
};

}  // namespace nivora
