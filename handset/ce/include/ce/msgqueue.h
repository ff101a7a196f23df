// Point-to-point message queues between threads and processes.
//
// A queue is named; every handle opened with the same name on the same device
// root reaches the same queue, in this process or another. A handle is either
// a read end or a write end (bReadAccess). Messages are read in the order
// they were written, each whole. The first handle to open a queue fixes its
// size; later openers get the existing queue (GetLastError is then
// ERROR_ALREADY_EXISTS). A queue lives as long as one handle is open to it.
//
// Limits: a message holds 1 to 65536 bytes; dwMaxMessages 0 ("no limit")
// gives a queue of as many messages as fit in 1 MiB (at least 16), and a
// queue never takes more than 16 MiB.
#pragma once

#include "ce/lasterror.h"
#include "ce/types.h"

typedef struct MSGQUEUEOPTIONS_OS {
  DWORD dwSize;  // sizeof(MSGQUEUEOPTIONS), 20
  DWORD dwFlags;
  DWORD dwMaxMessages;
  DWORD cbMaxMessage;
  BOOL bReadAccess;
} MSGQUEUEOPTIONS, *LPMSGQUEUEOPTIONS, *PMSGQUEUEOPTIONS;

typedef struct MSGQUEUEINFO {
  DWORD dwSize;  // sizeof(MSGQUEUEINFO), set by the caller
  DWORD dwFlags;
  DWORD dwMaxMessages;
  DWORD cbMaxMessage;
  DWORD dwCurrentMessages;
  DWORD dwMaxQueueMessages;  // the most messages the queue has held at once
  WORD wNumReaders;
  WORD wNumWriters;
} MSGQUEUEINFO, *LPMSGQUEUEINFO, *PMSGQUEUEINFO;

// Options (dwFlags)
#define MSGQUEUE_NOPRECOMMIT 0x00000001
// Writes succeed while no read end is open (and reads while no write end is).
#define MSGQUEUE_ALLOW_BROKEN 0x00000002

// Message flags (WriteMsgQueue dwFlags, ReadMsgQueue *pdwFlags)
#define MSGQUEUE_MSGALERT 0x00000001

#ifndef INFINITE
#define INFINITE 0xFFFFFFFF
#endif
#ifndef ERROR_PIPE_NOT_CONNECTED
#define ERROR_PIPE_NOT_CONNECTED 233L
#endif

// Opens (creating if needed) the queue with this name. Null on failure:
// ERROR_INVALID_PARAMETER for null or bad options, a null, empty or overlong
// (over MAX_PATH) name.
HANDLE CreateMsgQueue(LPCWSTR lpszName, LPMSGQUEUEOPTIONS lpOptions);

// Adds one message. When the queue is full, waits up to dwTimeout
// milliseconds (INFINITE: no limit, 0: not at all) and then fails with
// ERROR_TIMEOUT. A message longer than cbMaxMessage fails with
// ERROR_INSUFFICIENT_BUFFER; a read handle with ERROR_ACCESS_DENIED; no open
// read end (without MSGQUEUE_ALLOW_BROKEN) with ERROR_PIPE_NOT_CONNECTED.
BOOL WriteMsgQueue(HANDLE hMsgQ, LPVOID lpBuffer, DWORD cbDataSize, DWORD dwTimeout, DWORD dwFlags);

// Takes the oldest message, waiting up to dwTimeout milliseconds for one
// (ERROR_TIMEOUT). A buffer too small for it fails with
// ERROR_INSUFFICIENT_BUFFER and leaves the message in the queue.
BOOL ReadMsgQueue(HANDLE hMsgQ, LPVOID lpBuffer, DWORD cbBufferSize, LPDWORD lpNumberOfBytesRead, DWORD dwTimeout,
                  DWORD* pdwFlags);

BOOL GetMsgQueueInfo(HANDLE hMsgQ, LPMSGQUEUEINFO lpInfo);

BOOL CloseMsgQueue(HANDLE hMsgQ);
