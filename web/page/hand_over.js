// Reads what the module hands the page as numbers (web/src/hand_over.h): a flat array of doubles
// in the module's memory, whose first number counts those after it, read in order as its layout
// runs. A text is two numbers, the address of its UTF-8 bytes and their count; a list is its
// length, then its entries.

// A reader of the hand-over at `address`, or null where it has nothing to show (count 0).
export function handOver(module, address) {
  const heap = module.HEAPF64;
  let at = address / 8;
  if (heap[at] === 0) return null;
  at += 1;
  const number = () => heap[at++];
  return {
    number,
    flag: () => heap[at++] === 1,
    text: () => {
      const bytes = heap[at++];
      return module.UTF8ToString(bytes, heap[at++]);
    },
    // The entries of a list, each made by `entry` in turn.
    list: (entry) => {
      const entries = new Array(heap[at++]);
      for (let i = 0; i < entries.length; ++i) entries[i] = entry();
      return entries;
    },
  };
}
