#pragma once

#include <string>

// The process's QCoreApplication, made at the first call, for the sides that need an event
// loop but no window.
void EnsureCoreApplication();

// Makes the certificate in the PEM file `pemFile` trusted by this process's connections (and
// the QCoreApplication, if there is none yet).
void TrustCertificate(const std::string& pemFile);
