// libFuzzer entry: report files and page drawings from arbitrary bytes. The
// first byte chooses what the rest is: odd = a report file to load and page
// through, even = one page drawing to validate and play stretched.
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pages/qr_printer.h"
#include "pages/report_file_error.h"
#include "platform/emf/dump_canvas.h"
#include "platform/emf/emf_player.h"
#include "platform/file_stream.h"

namespace {

void PlayBoth(const qr::Metafile& page) {
  qr::DumpCanvas dump;
  qr::PlayMetafile(page, dump);
  qr::PlayMetafile(page, dump, qr::Rect{10, 10, 300, 200});
}

// The report file is read from disk, as users' files are; one scratch file
// per fuzzing process, removed when it exits.
struct ScratchFile {
  std::string name = "/tmp/qr-fuzz-" + std::to_string(getpid()) + ".qrp";
  ~ScratchFile() { unlink(name.c_str()); }
};

void LoadReportFile(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile scratch;
  const std::string& name = scratch.name;
  {
    qr::FileStream file = qr::FileStream::Create(name);
    file.WriteBuffer(data, static_cast<std::int32_t>(size));
  }
  qr::TQRPrinter printer;
  printer.LoadFromFile(name);
  const std::int32_t count = printer.PageCount();
  for (std::int32_t n : {1, count, count / 2, 2, count - 1, 1}) {
    if (auto page = printer.GetPage(n)) PlayBoth(*page);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  try {
    if (data[0] & 1)
      LoadReportFile(data + 1, size - 1);
    else
      PlayBoth(qr::Metafile::FromBytes(std::vector<std::uint8_t>(data + 1, data + size)));
  } catch (const qr::StreamError&) {
  } catch (const qr::ReportFileError&) {
  } catch (const qr::EmfError&) {
  }
  return 0;
}
