#pragma once
// The printer's settings in the registry of the current user: margins, unit
// and orientation under RichPrint.Settings\Marges, the preview's compression
// switch under RichPrint.Settings\Compress.
class TRichPrinter;

// Loads unit, orientation and the four margins (through the clamping
// setters). Everything is read before anything is set, so a damaged value
// fails the load with the registry's message and changes nothing.
void LoadPrinterSettings(TRichPrinter& printer);
void SavePrinterSettings(const TRichPrinter& printer);
void SaveCompressSetting(const TRichPrinter& printer);
// The preview's switch: true unless the stored value says "0"; a value
// that is no number is logged and taken as true.
bool ReadCompressSetting();
