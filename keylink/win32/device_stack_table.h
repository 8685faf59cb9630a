#pragma once
// Every system entry point Keylink uses to reach HID devices, as one table of function
// pointers. The system's table is loaded once from setupapi.dll, hid.dll and kernel32.dll; a
// test can put a table of its own in its place.

#include <windows.h>

#include <setupapi.h>

#include "keylink/win32/hid_declarations.h"

namespace keylink::win32 {

struct DeviceStackTable {
    void(WINAPI* hidGetHidGuid)(GUID* guid);
    HDEVINFO(WINAPI* setupDiGetClassDevsA)
    (const GUID* classGuid, PCSTR enumerator, HWND parent, DWORD flags);
    BOOL(WINAPI* setupDiEnumDeviceInterfaces)
    (HDEVINFO set, PSP_DEVINFO_DATA device, const GUID* interfaceClass, DWORD memberIndex,
     PSP_DEVICE_INTERFACE_DATA data);
    BOOL(WINAPI* setupDiGetDeviceInterfaceDetailA)
    (HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data, PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail,
     DWORD detailSize, PDWORD requiredSize, PSP_DEVINFO_DATA device);
    BOOL(WINAPI* setupDiDestroyDeviceInfoList)(HDEVINFO set);

    BOOLEAN(WINAPI* hidGetPreparsedData)(HANDLE device, HidPreparsedData* data);
    BOOLEAN(WINAPI* hidFreePreparsedData)(HidPreparsedData data);
    BOOLEAN(WINAPI* hidGetAttributes)(HANDLE device, HiddAttributes* attributes);
    LONG(WINAPI* hidpGetCaps)(HidPreparsedData data, HidpCaps* caps);
    BOOLEAN(WINAPI* hidSetFeature)(HANDLE device, PVOID report, ULONG length);
    BOOLEAN(WINAPI* hidGetFeature)(HANDLE device, PVOID report, ULONG length);
    BOOLEAN(WINAPI* hidGetManufacturerString)(HANDLE device, PVOID buffer, ULONG length);
    BOOLEAN(WINAPI* hidGetIndexedString)
    (HANDLE device, ULONG stringIndex, PVOID buffer, ULONG length);

    HANDLE(WINAPI* createFileA)
    (LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD creation,
     DWORD flags, HANDLE templateFile);
    BOOL(WINAPI* closeHandle)(HANDLE handle);
    BOOL(WINAPI* duplicateHandle)
    (HANDLE sourceProcess, HANDLE source, HANDLE targetProcess, LPHANDLE target, DWORD access,
     BOOL inherit, DWORD options);
    BOOL(WINAPI* readFileEx)
    (HANDLE file, LPVOID buffer, DWORD length, LPOVERLAPPED overlapped,
     LPOVERLAPPED_COMPLETION_ROUTINE completion);
    BOOL(WINAPI* cancelIo)(HANDLE file);
    DWORD(WINAPI* sleepEx)(DWORD milliseconds, BOOL alertable);
};

// The system's entry points; one that cannot be found stays null and its operation fails.
const DeviceStackTable& systemDeviceStackTable();

// The table in use: the system's unless a test replaced it.
const DeviceStackTable& activeDeviceStackTable();
// Puts table in place of the system's until it is called again; null puts the system's back.
// The table must outlive its use.
void replaceDeviceStackTable(const DeviceStackTable* table);

}  // namespace keylink::win32
