// The exception classes that library code throws and the Parts name.
#pragma once

#include <exception>
#include <string>

// Base of every error the library reports by exception; the message says what
// went wrong and where.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}

    const std::string& Message() const noexcept { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define VISTRA_EXCEPTION(Name, Base)   \
    class Name : public Base {         \
    public:                            \
        using Base::Base;              \
    }

// A silent exception: it unwinds like any other but no handler reports it.
VISTRA_EXCEPTION(EAbort, Exception);
VISTRA_EXCEPTION(EConvertError, Exception);
VISTRA_EXCEPTION(EListError, Exception);
VISTRA_EXCEPTION(EStringListError, EListError);
VISTRA_EXCEPTION(EInvalidOperation, Exception);
VISTRA_EXCEPTION(EInvalidCast, Exception);
VISTRA_EXCEPTION(EAbstractError, Exception);
VISTRA_EXCEPTION(EAssertionFailed, Exception);
VISTRA_EXCEPTION(EOutOfResources, Exception);
VISTRA_EXCEPTION(EInOutError, Exception);
VISTRA_EXCEPTION(EStreamError, Exception);
VISTRA_EXCEPTION(EFileStreamError, EStreamError);
VISTRA_EXCEPTION(EFOpenError, EFileStreamError);
VISTRA_EXCEPTION(EFCreateError, EFileStreamError);
VISTRA_EXCEPTION(EReadError, EStreamError);
VISTRA_EXCEPTION(EWriteError, EStreamError);
VISTRA_EXCEPTION(EResNotFound, Exception);
VISTRA_EXCEPTION(EIniFileException, Exception);
VISTRA_EXCEPTION(ERegistryException, Exception);
VISTRA_EXCEPTION(EMathError, Exception);
VISTRA_EXCEPTION(EInvalidOp, EMathError);

#undef VISTRA_EXCEPTION

// Throws EAbort.
[[noreturn]] void Abort();
