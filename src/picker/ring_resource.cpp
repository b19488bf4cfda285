#include "picker/ring_resource.h"

#include <cstring>
#include <new>

Gdiplus::Bitmap* LoadPngResource(HMODULE module, WORD number, IStream** stream) {
    *stream = nullptr;
    HRSRC resource =
        FindResourceW(module, MAKEINTRESOURCEW(number), MAKEINTRESOURCEW(RING_RESOURCE_TYPE));
    const DWORD size = SizeofResource(module, resource);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* bytes = GlobalLock(block);
    // The stream frees the block when its last reference goes.
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream))) {
        *stream = nullptr;
        GlobalFree(block);
        return nullptr;
    }
    const void* data = LockResource(LoadResource(module, resource));
    if (bytes != nullptr && data != nullptr) {
        std::memcpy(bytes, data, size);
    }
    GlobalUnlock(block);
    void* memory = Gdiplus::DllExports::GdipAlloc(sizeof(Gdiplus::Bitmap));
    if (memory == nullptr) {
        return nullptr;
    }
    return ::new (memory) Gdiplus::Bitmap(*stream, FALSE);
}

void ReleaseRing(Gdiplus::Bitmap*& ring, IStream*& stream) {
    delete ring;
    ring = nullptr;
    if (stream != nullptr) {
        stream->Release();
        stream = nullptr;
    }
}
