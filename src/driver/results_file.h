// datacomp.txt in the working directory: one record per execution, records
// separated by CR LF. Text reaches the file in whole 128-byte blocks and the
// rest at the close; an execution that ends without the close leaves whole
// blocks only. Every operation is followed by the input/output check.
#pragma once

#include <string_view>

#include "kernels/block_buffer.h"
#include "platform/platform.h"

namespace datacomp {

inline constexpr char kResultsFileName[] = "datacomp.txt";

class ResultsFile {
 public:
  explicit ResultsFile(platform::FileSystem& fileSystem) : fileSystem_(fileSystem) {}
  ResultsFile(const ResultsFile&) = delete;
  ResultsFile& operator=(const ResultsFile&) = delete;
  // A file an error left open is let go without writing what it holds.
  ~ResultsFile();

  // Appends to an existing file after a line end, or creates it.
  void Open();
  void Write(std::string_view text);
  // Writes what the buffer holds, then closes; when that write fails the
  // file stays open.
  void Close();

 private:
  void WriteBlock(std::string_view block);

  platform::FileSystem& fileSystem_;
  platform::FileHandle handle_ = 0;
  bool open_ = false;
  BlockBuffer buffer_;
};

}  // namespace datacomp
