// A fresh, empty folder for one test, removed with everything in it afterwards (read-only
// files included).
#pragma once

#include <string>

class CTempFolder
{
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    // The folder in the host's own form ("/tmp/setup-XXXXXX" or "C:\...\setup-1234").
    const std::string& Path() const { return m_strPath; }

    // Host-side helpers; strRelative uses "/" on Linux and "\" on Windows.
    bool ReadFile(const std::string& strRelative, std::string& strContent) const;
    void WriteFile(const std::string& strRelative, const std::string& strContent) const;
    bool IsReadOnly(const std::string& strRelative) const;
    bool Exists(const std::string& strRelative) const;
    void MakeFolder(const std::string& strRelative) const;

private:
    std::string m_strPath;
};
