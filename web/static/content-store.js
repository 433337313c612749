// The content files a user loaded into the offline page, kept in the browser's storage
// (IndexedDB: content files run to megabytes, beyond what localStorage holds). The whole set is
// one record, written and removed in one transaction, so the storage holds the old set or the new
// one, never part of either (a reload or a full disk in the middle of keeping leaves the old).
// It knows nothing of what the files hold; content-files.js checks them before they are kept.
const DB_NAME = 'orvane';
const DB_VERSION = 1;
const STORE = 'content';
const KEY = 'loaded';

// Why the storage failed, as the page says it.
export class StorageError extends Error {
  constructor(error) {
    const full = error && (error.name === 'QuotaExceededError' || /quota/i.test(String(error.message)));
    super(full ? 'the browser\'s storage for this page is full' : 'the browser refused to keep the files');
    this.full = full;
  }
}

function openStore() {
  return new Promise((resolve, reject) => {
    let request;
    try {
      request = window.indexedDB.open(DB_NAME, DB_VERSION);
    } catch (error) {
      reject(new StorageError(error));
      return;
    }
    request.onupgradeneeded = () => request.result.createObjectStore(STORE);
    request.onsuccess = () => resolve(request.result);
    request.onerror = () => reject(new StorageError(request.error));
    request.onblocked = () => reject(new StorageError(null));
  });
}

// One transaction on the store; resolves with what work's request gave once the transaction is
// done (so a write is kept when it resolves).
async function inStore(mode, work) {
  const db = await openStore();
  try {
    return await new Promise((resolve, reject) => {
      let result;
      let transaction;
      try {
        transaction = db.transaction(STORE, mode);
        const request = work(transaction.objectStore(STORE));
        request.onsuccess = () => { result = request.result; };
      } catch (error) {
        reject(new StorageError(error));
        return;
      }
      transaction.oncomplete = () => resolve(result);
      transaction.onerror = () => reject(new StorageError(transaction.error));
      transaction.onabort = () => reject(new StorageError(transaction.error));
    });
  } finally {
    db.close();
  }
}

// The loaded set, {files: [{name, bytes: ArrayBuffer}], loadedAt: ms since 1970}, or null when
// none is kept. Rejects with a StorageError when the storage cannot be read.
export async function readLoadedContent() {
  const set = await inStore('readonly', (store) => store.get(KEY));
  if (!set || !Array.isArray(set.files) || !set.files.length) return null;
  return set;
}

// Keeps files ([{name, bytes}]) as the loaded set in place of any earlier one.
export async function keepLoadedContent(files) {
  await inStore('readwrite', (store) => store.put({ files, loadedAt: Date.now() }, KEY));
  // Asks the browser not to clear the files when it runs short of room (it may say no).
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
}

// Removes the loaded set: the shipped content is used again.
export async function forgetLoadedContent() {
  await inStore('readwrite', (store) => store.delete(KEY));
}
