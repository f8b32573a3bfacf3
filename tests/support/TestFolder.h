// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once
#include <string>
#include <vector>

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's path, ending with a backslash.
    const std::wstring& Path() const { return path; }
    std::wstring File(const std::wstring& name) const { return path + name; }
    // Names of the files directly in the folder (not of its subfolders).
    std::vector<std::wstring> FileNames() const;

    // Whole-file helpers for checking what the code under test wrote.
    static std::string ReadBytes(const std::wstring& file);
    static void WriteBytes(const std::wstring& file, const std::string& bytes);

private:
    std::wstring path;
};
