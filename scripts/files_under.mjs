// Lists the files of a folder tree, for the scripts that build and measure the offline page.
import { readdirSync, statSync } from 'node:fs';
import path from 'node:path';

// Every file under dir whose name passes keep, by its path from dir ('static/style.css'), in
// name order, folder by folder.
export function filesUnder(dir, keep = () => true, prefix = '') {
  const out = [];
  for (const name of readdirSync(dir).sort()) {
    const full = path.join(dir, name);
    if (statSync(full).isDirectory()) out.push(...filesUnder(full, keep, `${prefix}${name}/`));
    else if (keep(name)) out.push(`${prefix}${name}`);
  }
  return out;
}
