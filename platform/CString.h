// CString: the text type of the class layer. An 8-bit string in the system's ANSI code page
// that starts empty, converts to const char* wherever a C string is expected, formats
// printf-style, and on Windows loads its text from the program's string table.
//
// A CString is not a pointer: pass it to a printf-style call (Format, SafeFormat) as
// str.GetString() or (const char*)str, never as it stands (the compilers reject that).
#pragma once

#ifdef _WIN32
#include <windows.h> // LoadString is a macro there; the member must be named alike everywhere
#endif

#include <string>

class CString
{
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* psz, int nLength) : m_str(psz, static_cast<std::size_t>(nLength)) {}

    CString& operator=(const char* psz)
    {
        m_str = psz ? psz : "";
        return *this;
    }

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str.at(static_cast<std::size_t>(nIndex)); }
    const char* GetString() const { return m_str.c_str(); }
    operator const char*() const { return m_str.c_str(); }

    CString& operator+=(const char* psz)
    {
        m_str += psz ? psz : "";
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_str += ch;
        return *this;
    }

    // Removes the characters from nIndex to the end (nothing when nIndex is past the end).
    void Truncate(int nIndex);

    // Replaces the text by the format applied to the arguments, whatever their length.
    void Format(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

#ifdef _WIN32
    // Replaces the text by string nID of the program's string table (converted from the
    // table's UTF-16 to the ANSI code page). FALSE, and an empty text, when there is none.
    BOOL LoadString(UINT nID);
#endif

    friend bool operator==(const CString& a, const CString& b)
    {
        return a.m_str == b.m_str;
    }
    friend bool operator==(const CString& a, const char* b)
    {
        return a.m_str == (b ? b : "");
    }
    friend bool operator==(const char* a, const CString& b)
    {
        return b == a;
    }
    friend bool operator!=(const CString& a, const CString& b)
    {
        return !(a == b);
    }
    friend bool operator!=(const CString& a, const char* b)
    {
        return !(a == b);
    }
    friend bool operator!=(const char* a, const CString& b)
    {
        return !(b == a);
    }
    friend CString operator+(const CString& a, const char* b)
    {
        CString str(a);
        str += b;
        return str;
    }

private:
    std::string m_str;
};
