// Writing and reading whole files in a test's scratch folder.
#pragma once

#include <string>

// Writes the text as the file's whole contents (bytes as given); fails the test when it cannot.
void Write_Text_File(const std::string& stPath, const std::string& stText);
// The file's whole contents; empty when it cannot be read. The path goes through the layer's
// resolver, so game paths such as "Output\Box.txt" work.
std::string Read_Text_File(const std::string& stPath);
