// What both browser tests share: the tally of checks, a stub mail program on
// PATH and the one way Chromium is started.
import { chromium } from 'playwright-core';
import { mkdtempSync, writeFileSync, chmodSync, rmSync, existsSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

let passed = 0;
let failed = 0;

export function check(what, actual, expected) {
  if (actual === expected) {
    passed++;
  } else {
    failed++;
    console.log(`FAIL ${what}\n  expected: ${JSON.stringify(expected)}\n  actual:   ${JSON.stringify(actual)}`);
  }
}

export function fail(error) {
  failed++;
  console.log(`FAIL ${error.stack ?? error}`);
}

// A folder of stub programs: each call of the mail program runs
// `printf <line(name)>` (format and arguments) and appends what it prints to
// `log`. Chromium asks
// xdg-settings about the mailto handler first; its stub answers at once
// and records nothing.
export function mailStub(prefix, line) {
  const folder = mkdtempSync(join(tmpdir(), prefix));
  const log = join(folder, 'mail.log');
  for (const name of ['xdg-email', 'xdg-open', 'xdg-settings']) {
    const stub = join(folder, name);
    const record = name === 'xdg-settings' ? '' : `printf ${line(name)} >> "${log}"\n`;
    writeFileSync(stub, `#!/bin/sh\n${record}`);
    chmodSync(stub, 0o755);
  }
  return { folder, log };
}

// What the stub mail program recorded, once a whole line is there: the stub
// creates the log before it writes to it, and a busy machine may be read
// between the two. "" when nothing came within 20 s.
export async function mailed(stub) {
  for (let waited = 0; waited < 20000; waited += 50) {
    const text = existsSync(stub.log) ? readFileSync(stub.log, 'utf8') : '';
    if (text.endsWith('\n')) return text;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return '';
}

// Debian's Chromium, headless, with the stubs first on PATH and its profile
// inside the stub folder, so that a second launch finds what the first kept.
export function launch(stub, options = {}) {
  return chromium.launchPersistentContext(join(stub.folder, 'profile'), {
    executablePath: '/usr/bin/chromium',
    headless: true,
    env: { ...process.env, PATH: `${stub.folder}:${process.env.PATH}` },
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
    ...options,
  });
}

// Removes the stubs, prints the tally and ends the process with its verdict.
export function finish(stub, label) {
  rmSync(stub.folder, { recursive: true, force: true });
  console.log(`${label}${passed} passed, ${failed} failed`);
  process.exit(failed === 0 ? 0 : 1);
}
