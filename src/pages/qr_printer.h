#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "pages/page_list.h"
#include "pages/printer_settings.h"
#include "platform/canvas.h"
#include "platform/emf/metafile.h"

class QObject;

namespace qr {

class EmfRecorder;
class PrintOutput;

enum TQRPrinterState { stIdle, stProducing, stComplete };
enum TQROutputTarget { otPageStore, otPrinter };

// Messages posted to NotifyWindow and CommandTarget, as QEvent::User + number
// (see WindowMessageEvent). The first parameter is read as an unsigned 16-bit
// number.
inline constexpr int MsgProgress = 0;   // percent done
inline constexpr int MsgPageReady = 1;  // number of pages stored
inline constexpr int MsgPrintRequest = 2;
inline constexpr int MsgPreviewClosed = 4;  // second parameter: the TQRPrinter

// Set when a report file has been loaded; cleared when a report is created.
bool ReportFileLoaded();
void SetReportFileLoaded(bool loaded);

// The page producer of one report run. The report calls StartJob, then
// NewPage before each page and draws on Canvas() in device dots converted
// with ToDeviceX/Y/Width/Height from 0.1 mm, then EndJob. With otPageStore
// each page is recorded as a metafile into Pages; another thread may take
// finished pages out with GetPage meanwhile. With otPrinter pages go to the
// PrintOutput given by the printer side.
//
// State, counters and flags are plain atomics read by the window thread
// without a lock; the page list and its stream hold their own locks.
class TQRPrinter {
 public:
  TQRPrinter();
  ~TQRPrinter();
  TQRPrinter(const TQRPrinter&) = delete;
  TQRPrinter& operator=(const TQRPrinter&) = delete;

  // Throws EQRError "QRPrinter not ready" unless idle.
  void StartJob();
  // Closes the open page into the store and opens the next. Throws EQRError
  // "Illegal call to NewPage" unless producing.
  void NewPage();
  void EndJob();
  // Keeps every page begun and completes the job without notifying.
  void AbortJob();
  void Cancel() { CancelRequested = true; }
  // Frees the page store and any temporary file; back to stIdle.
  void Reset();

  int ToDeviceX(long double x) const;
  int ToDeviceY(long double y) const;
  int ToDeviceWidth(long double width) const;
  int ToDeviceHeight(long double height) const;
  std::int32_t PaperWidth() const { return DeviceSettings.PaperWidth(); }
  std::int32_t PaperLength() const { return DeviceSettings.PaperLength(); }

  void SetCompression(bool compression) { Pages.SetCompression(compression); }
  // Page n in stProducing and stComplete, or nothing: outside 1..PageCount,
  // before a job, or while page n is still open.
  std::optional<Metafile> GetPage(std::int32_t n);
  // Writes the report file; does nothing unless the job is complete.
  void SaveToFile(const std::string& name);
  // Reads a report file and takes the paper size from its page 1.
  void LoadFromFile(const std::string& name);

  void NotifyPageReady(std::int32_t pagesReady);
  void NotifyProgress(std::int32_t percent);
  void SetPreviewOpen(bool open);

  TQRPrinterState State() const { return state_; }
  std::int32_t PageCount() const { return pageCount_; }
  std::int32_t CurrentPageNumber() const { return currentPageNumber_; }
  std::int32_t PagesReady() const { return pagesReady_; }
  std::int32_t ProgressPercent() const { return progressPercent_; }
  bool PreviewOpen() const { return previewOpen_; }
  // The open page's surface; null when no page is open.
  Canvas* GetCanvas() const { return canvas_; }
  TQRStream* PageStream() const { return Pages.Stream(); }

  TPrinterSettings DeviceSettings;
  TQRPageList Pages;
  TQROutputTarget OutputTarget = otPageStore;
  std::atomic<bool> CancelRequested{false};
  // Output dots per 0.1 mm.
  long double DotsX;
  long double DotsY;
  // 0.1 mm, subtracted by ToDeviceX and ToDeviceY; 0 for the page store.
  std::int32_t LeftOffset = 0;
  std::int32_t TopOffset = 0;
  std::int32_t FirstPage = 0;
  std::int32_t LastPage = 0;
  std::string Title;
  QObject* NotifyWindow = nullptr;
  QObject* CommandTarget = nullptr;
  std::function<void(TQRPrinter&)> AfterPrintHook;
  std::function<void(TQRPrinter&)> AfterPreviewHook;
  bool ReplayOnPrint = false;
  // The printer side; not owned. Needed only for otPrinter.
  PrintOutput* Output = nullptr;

 private:
  void OpenPage();
  void ClosePage();
  void UseScreenResolution();
  bool PageInRange(std::int32_t page) const;

  std::atomic<TQRPrinterState> state_{stIdle};
  std::atomic<std::int32_t> pageCount_{0};
  std::atomic<std::int32_t> currentPageNumber_{0};
  std::atomic<std::int32_t> pagesReady_{0};
  std::atomic<std::int32_t> progressPercent_{0};
  std::atomic<bool> previewOpen_{false};
  std::unique_ptr<EmfRecorder> currentPage_;
  bool printerPageOpen_ = false;
  Canvas* canvas_ = nullptr;
};

}  // namespace qr
