#!/usr/bin/env python3
"""Checks dist/ against the artifacts beside it: SHA256SUMS verifies them, and every winget and
Scoop manifest field that names the release (version, file names, hashes, addresses, product
code, publisher) agrees with res/version.h, the installer script, the program's web address and
the files themselves; the YAML and JSON parse."""
import hashlib
import json
import os
import re
import subprocess
import sys
import zipfile
from urllib.parse import urlsplit

import yaml

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))
DIST = os.path.join(ROOT, 'dist')
failures = []


def check(what, condition):
    print(('ok   ' if condition else 'FAIL ') + what)
    if not condition:
        failures.append(what)


def source(path, pattern):
    with open(os.path.join(ROOT, path), encoding='utf-8') as f:
        return re.search(pattern, f.read(), re.M).group(1)


def sha256(name):
    with open(os.path.join(DIST, name), 'rb') as f:
        return hashlib.sha256(f.read()).hexdigest()


def download(url, name):
    parts = urlsplit(url)
    return parts.scheme == 'https' and parts.hostname == SITE and parts.path == '/downloads/' + name


VERSION = source('res/version.h', r'^#define DUSKLAMP_VERSION_DOTTED "(.*)"$')
SHORT = VERSION.rsplit('.', 1)[0]
SETUP, ZIP = f'Dusklamp-{SHORT}-setup.exe', f'Dusklamp-{SHORT}-portable.zip'
SITE = urlsplit(source('ui/main/Website.h', r'kWebsiteAddress\[\] = L"(.*)";')).hostname
PRODUCT_CODE = source('packaging/Dusklamp.nsi', r'^!define UNINSTALL_KEY ".*\\(.*)"$')
PUBLISHER = source('packaging/Dusklamp.nsi', r'^!define PUBLISHER "(.*)"$')

verified = subprocess.run(['sha256sum', '-c', 'SHA256SUMS'], cwd=DIST, capture_output=True, text=True)
check('sha256sum -c SHA256SUMS verifies the artifacts', verified.returncode == 0)
with open(os.path.join(DIST, 'SHA256SUMS'), encoding='ascii') as f:
    check('SHA256SUMS names the installer and the zip', sorted(line.split()[1] for line in f) == sorted([SETUP, ZIP]))

winget = {}
for kind, name in (('version', ''), ('installer', '.installer'), ('defaultLocale', '.locale.en-US')):
    with open(os.path.join(DIST, 'winget', f'Quillane.Dusklamp{name}.yaml'), encoding='utf-8') as f:
        winget[kind] = manifest = yaml.safe_load(f)
    check(f'winget {kind} manifest: identifier, version and type', manifest['PackageIdentifier'] == 'Quillane.Dusklamp'
          and manifest['PackageVersion'] == VERSION and manifest['ManifestType'] == kind)
    check(f'winget {kind} manifest: schema 1.6 or later',
          tuple(map(int, manifest['ManifestVersion'].split('.'))) >= (1, 6, 0))

installer = winget['installer']
[entry] = installer['Installers']
check('winget installer: the installer\'s hash', entry['InstallerSha256'].lower() == sha256(SETUP))
check('winget installer: downloaded from the web site', download(entry['InstallerUrl'], SETUP))
check('winget installer: nullsoft, for the user, silent with /S', installer['InstallerType'] == 'nullsoft'
      and installer['Scope'] == 'user' and installer['InstallerSwitches']['Silent'] == '/S'
      and entry['Architecture'] == 'x64')
[apps] = installer['AppsAndFeaturesEntries']
check('winget installer: the product code is the installed-apps key',
      installer['ProductCode'] == apps['ProductCode'] == PRODUCT_CODE)
check('winget installer: the installed-apps entry\'s version and publisher',
      apps['DisplayVersion'] == VERSION and apps['Publisher'] == PUBLISHER and apps['DisplayName'] == 'Dusklamp')
locale = winget['defaultLocale']
check('winget locale: the default locale', locale['PackageLocale'] == winget['version']['DefaultLocale'])
check('winget locale: publisher, name, licence, description and tags', locale['Publisher'] == PUBLISHER
      and locale['PackageName'] == 'Dusklamp' and locale['License'] and locale['ShortDescription']
      and len(locale['ShortDescription']) <= 256 and all(re.fullmatch(r'[a-z0-9-]+', t) for t in locale['Tags']))
check('winget locale: the maker\'s web site', urlsplit(locale['PublisherUrl']).hostname == SITE)

with open(os.path.join(DIST, 'scoop', 'dusklamp.json'), encoding='utf-8') as f:
    scoop = json.load(f)
with zipfile.ZipFile(os.path.join(DIST, ZIP)) as z:
    packed = z.namelist()
app = scoop['architecture']['64bit']
check('scoop: version', scoop['version'] == VERSION)
check('scoop: the zip\'s hash', app['hash'] == sha256(ZIP))
check('scoop: downloaded from the web site', download(app['url'], ZIP))
check('scoop: the program is in the zip', scoop['bin'] in packed and scoop['shortcuts'][0][0] in packed)
check('scoop: keeps Settings.xml', scoop['persist'] == 'Settings.xml')
check('scoop: a licence and a description', scoop['license'] and scoop['description'])

print(f'{len(failures)} failure(s)')
sys.exit(1 if failures else 0)
