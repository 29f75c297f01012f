#pragma once

class TEinstellungsSpeicher;

// Whether the families' lists carry their appointments as a QR code: the value "TermineAlsQRCode" of
// the key "Optionen", off when absent. It belongs to this machine, not to a project, so the project
// file stays as it is.
bool TerminecodeLesen(const TEinstellungsSpeicher& speicher);
void TerminecodeSchreiben(TEinstellungsSpeicher& speicher, bool drucken);
