// The page as an app a musician installs, when a web host serves it with
// its manifest: a service worker that keeps it working offline, and the
// PCG files the system hands the installed app ("Open with Tavrelon"),
// which replace the list as a pick does.  From disk, or in a browser
// without service workers or a launch queue, the page goes on without them
// and says nothing.
import { handleFiles } from './sources.js';

export function startApp(list) {
  if (document.querySelector('link[rel="manifest"]') && 'serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
  window.launchQueue?.setConsumer(({ files }) => {
    if (files.length) list.showFiles(() => handleFiles(files));
  });
}
